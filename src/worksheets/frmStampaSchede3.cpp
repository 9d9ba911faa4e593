#include "worksheets/frmStampaSchede3.h"

frmStampaSchede3::frmStampaSchede3()
    : Screen(QStringLiteral("VISUALIZZAZIONE SCHEDA         "), QSize(11910, 8280),
             Opening::Maximized)
{
    setMinMaxButtons(false);
}

void frmStampaSchede3::createElements(QWidget *)
{
}
