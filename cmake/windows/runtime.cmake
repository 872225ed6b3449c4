# What a Qt Widgets program cross-built with mingw-w64 needs beside it to run on Windows.
#
# eqsl_install_windows_runtime(<target> <folder>) installs, into <folder> of the install prefix
# (the folder of the target's executable):
# - Qt's plugins the program uses: platforms/qwindows.dll, imageformats/qjpeg.dll (the JPEG
#   backgrounds) and styles/qwindowsvistastyle.dll (the native look);
# - every DLL the executable and those plugins load that Windows itself does not have: Qt's
#   (Qt6Core.dll...) and the mingw-w64 runtime (libstdc++-6.dll, libgcc_s_seh-1.dll,
#   libwinpthread-1.dll). They are found at install time by reading the import tables (objdump,
#   install_dlls.cmake), in Qt's bin folder and the compiler's runtime folders, so nothing is
#   listed by hand; a DLL found in none of them is one of Windows' own;
# - Qt's French texts, translations/qtbase_fr.qm, from Debian's qt6-translations-l10n.
# With Qt6Core.dll beside the executable, Qt takes the executable's folder as its prefix: it finds
# the plugins and translations/ there, with no qt.conf.

# Debian's Qt translations (qt6-translations-l10n): the same texts for every platform.
set(EQSL_QT_TRANSLATIONS_DIR "${QT_HOST_PATH}/share/qt6/translations" CACHE PATH
    "Folder of Qt's translations (qtbase_fr.qm) shipped with the Windows program")

# The folders of the mingw-w64 runtime DLLs, asked of the compiler.
function(eqsl_mingw_runtime_dirs out)
  set(dirs)
  foreach(dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
      message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    get_filename_component(dir "${path}" DIRECTORY)
    get_filename_component(dir "${dir}" REALPATH)
    list(APPEND dirs "${dir}")
  endforeach()
  list(REMOVE_DUPLICATES dirs)
  set(${out} ${dirs} PARENT_SCOPE)
endfunction()

function(eqsl_install_windows_runtime target folder)
  set(plugins
    platforms Qt6::QWindowsIntegrationPlugin
    imageformats Qt6::QJpegPlugin
    styles Qt6::QWindowsVistaStylePlugin)
  set(plugin_files)
  while(plugins)
    list(POP_FRONT plugins kind plugin)
    if(NOT TARGET ${plugin})
      message(FATAL_ERROR "Qt for Windows lacks the plugin ${plugin}")
    endif()
    install(IMPORTED_RUNTIME_ARTIFACTS ${plugin} DESTINATION ${folder}/${kind})
    string(APPEND plugin_files " \"$<TARGET_FILE:${plugin}>\"")
  endwhile()

  set(qm "${EQSL_QT_TRANSLATIONS_DIR}/qtbase_fr.qm")
  if(NOT EXISTS "${qm}")
    message(FATAL_ERROR "${qm} not found: install Debian's qt6-translations-l10n")
  endif()
  install(FILES "${qm}" DESTINATION ${folder}/translations)

  get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
  get_filename_component(qt_bin "${qt_core_dll}" DIRECTORY)
  eqsl_mingw_runtime_dirs(runtime_dirs)
  list(JOIN runtime_dirs "\" \"" runtime_dirs)
  if(NOT CMAKE_OBJDUMP)
    message(FATAL_ERROR "no objdump for Windows programs (binutils-mingw-w64-x86-64)")
  endif()
  install(CODE "
    set(EQSL_FILES \"$<TARGET_FILE:${target}>\"${plugin_files})
    set(EQSL_DLL_DIRS \"${qt_bin}\" \"${runtime_dirs}\")
    set(EQSL_OBJDUMP \"${CMAKE_OBJDUMP}\")
    set(EQSL_STRIP \"${CMAKE_STRIP}\")
    set(EQSL_DESTINATION \"${folder}\")
    include(\"${CMAKE_CURRENT_FUNCTION_LIST_DIR}/install_dlls.cmake\")
  ")
endfunction()
