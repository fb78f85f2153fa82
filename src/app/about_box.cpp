#include "app/about_box.h"

#include "app/qt_convert.h"
#include "res/frame_strings.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace pattik {

void ShowAboutBox(QWidget* parent) {
    QDialog box(parent);
    box.setWindowTitle(ToQString(kAboutTitle));
    box.setFixedSize(352, 90);

    auto* icon = new QLabel(&box);
    icon->setPixmap(box.windowIcon().pixmap(32, 32));
    icon->setGeometry(16, 26, 32, 32);
    const std::pair<std::string_view, int> lines[] = {
        {kAboutVersionText, 15}, {kAboutRightsText, 37}, {kAboutPublisherText, 60}};
    for (const auto& [text, top] : lines) {
        auto* label = new QLabel(ToQString(text), &box);
        label->setGeometry(60, top, 200, 16);
    }
    auto* ok = new QPushButton(ToQString(kOkButtonText), &box);
    ok->setGeometry(267, 10, 75, 22);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    box.exec();
}

} // namespace pattik
