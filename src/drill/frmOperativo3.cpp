#include "drill/frmOperativo3.h"

frmOperativo3::frmOperativo3()
    : Screen(QStringLiteral("STABILIRE UNA RELAZIONE TRA DUE INSIEMI"), QSize(11880, 8550),
             Opening::Maximized)
{
    setMinMaxButtons(false);
}

void frmOperativo3::createElements(QWidget *)
{
}
