#include "app/editor_font.h"

#include "app/window_layout.h"
#include "res/ui_font.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QStringList>

namespace pattik {
namespace {

// The family the embedded font registered as; empty when it could not be registered, and
// the installed font then draws everything.
QString RegisteredFamily() {
    static const QString family = [] {
        const std::span<const unsigned char> bytes = UiFontBytes();
        // The bytes live as long as the program: Qt may keep them without a copy.
        const int id = QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString() : families.first();
    }();
    return family;
}

} // namespace

QFont EditorFont() {
    QStringList families;
    if (const QString own = RegisteredFamily(); !own.isEmpty()) {
        families << own;
    }
    families << QString::fromLatin1(layout::kFontFamily);
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(layout::kFontPixelSize);
    // The font's own hinting, crisp like the classic style's lines. It is also what makes
    // both fonts draw a glyph alike: the automatic hinting a lighter setting uses measures
    // the whole font, so a glyph from the embedded part would come out differently.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace pattik
