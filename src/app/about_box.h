#pragma once

class QWidget;

namespace pattik {

// Help, About: the icon, the version, who holds the rights and who publishes it.
void ShowAboutBox(QWidget* parent);

} // namespace pattik
