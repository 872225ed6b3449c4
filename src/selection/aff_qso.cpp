#include "selection/aff_qso.h"

#include "app/program.h"
#include "selection/select_qso_window.h"

void Aff_QSO(Program& program)
{
    SelectQsoWindow& window = program.selectQso();
    window.show();
}
