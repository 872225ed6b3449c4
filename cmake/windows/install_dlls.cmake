# Install-time part of eqsl_install_windows_runtime (runtime.cmake): installs every DLL that the
# given Windows programs and plugins load, directly or through another such DLL, and that one of
# the given folders holds. Windows' file names ignore case, and import tables name the DLLs as
# they please (QT6CORE.dll, Qt6Core.dll): the folders are searched case-blind. A DLL found in none
# of the folders is one of Windows' own, which Windows has.
#
# In: EQSL_FILES (the programs and plugins), EQSL_DLL_DIRS, EQSL_OBJDUMP, EQSL_STRIP,
# EQSL_DESTINATION (a folder of the install prefix). `cmake --install --strip` strips the DLLs
# installed (the mingw-w64 runtime comes with its symbols: libstdc++-6.dll is 24 MB, 2 MB without).

cmake_policy(PUSH)
cmake_policy(VERSION 3.22)
set(known)
foreach(dir IN LISTS EQSL_DLL_DIRS)
  file(GLOB dlls LIST_DIRECTORIES false "${dir}/*.dll" "${dir}/*.DLL")
  foreach(dll IN LISTS dlls)
    get_filename_component(name "${dll}" NAME)
    string(TOLOWER "${name}" key)
    if(NOT DEFINED dll_${key})
      set(dll_${key} "${dll}")
      list(APPEND known "${key}")
    endif()
  endforeach()
endforeach()

set(queue ${EQSL_FILES})
set(found)
set(windows)
while(queue)
  list(POP_FRONT queue file)
  execute_process(COMMAND "${EQSL_OBJDUMP}" -p "${file}" OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${EQSL_OBJDUMP} cannot read ${file}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
  foreach(import IN LISTS imports)
    string(REGEX REPLACE "^DLL Name: " "" name "${import}")
    string(STRIP "${name}" name)
    string(TOLOWER "${name}" key)
    if(DEFINED dll_${key})
      if(NOT key IN_LIST found)
        list(APPEND found "${key}")
        list(APPEND queue "${dll_${key}}")
      endif()
    elseif(NOT key IN_LIST windows)
      list(APPEND windows "${key}")
    endif()
  endforeach()
endwhile()

list(SORT windows)
message(STATUS "Windows' own DLLs used: ${windows}")
foreach(key IN LISTS found)
  file(INSTALL "${dll_${key}}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${EQSL_DESTINATION}")
  if(CMAKE_INSTALL_DO_STRIP AND EQSL_STRIP)
    get_filename_component(name "${dll_${key}}" NAME)
    execute_process(COMMAND "${EQSL_STRIP}" --strip-unneeded
                            "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${EQSL_DESTINATION}/${name}"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
cmake_policy(POP)
