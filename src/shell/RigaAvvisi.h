#pragma once

class Avvisi;
class QLabel;
class QWidget;

// The menu's line of notices for the adult (a missing scene, a missing voice):
// small text in a free corner of the menu, never scanned nor spoken, hidden
// while there is nothing to tell. It follows the list as notices arrive.
namespace RigaAvvisi {
QLabel *crea(QWidget *area, Avvisi *avvisi);
}
