// The editor's own font: every text the program shows can be drawn from it, and it draws
// each glyph exactly as the installed Hangul font does.
#include "app/editor_font.h"
#include "app/window_layout.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>

namespace pattik::testing {
namespace {

// The characters other than ASCII in the program's sources: the Korean texts it shows.
QString CharactersOfTheProgramsTexts() {
    QSet<char32_t> found;
    QDirIterator files(QStringLiteral(PATTIK_SOURCE_DIR),
                       {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        for (const char32_t ch : QString::fromUtf8(file.readAll()).toUcs4()) {
            if (ch > 0x7E) {
                found.insert(ch);
            }
        }
    }
    QList<char32_t> sorted(found.begin(), found.end());
    std::sort(sorted.begin(), sorted.end());
    return QString::fromUcs4(sorted.data(), sorted.size());
}

QFont Only(const QString& family) {
    QFont font(family);
    font.setPixelSize(layout::kFontPixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// Text drawn in rows of twenty characters, black on white.
QImage Drawn(const QString& text, const QFont& font) {
    constexpr int kPerRow = 20;
    const int rows = static_cast<int>((text.size() + kPerRow - 1) / kPerRow);
    QImage image(kPerRow * 16, rows * 18 + 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int row = 0; row < rows; ++row) {
        painter.drawText(2, 14 + row * 18, text.mid(row * kPerRow, kPerRow));
    }
    return image;
}

TEST(EditorFont, HoldsEveryCharacterOfTheProgramsTexts) {
    const QString family = EditorFont().families().value(0);
    ASSERT_EQ(family, QStringLiteral("Pattik UI"));
    const QRawFont own = QRawFont::fromFont(Only(family));
    ASSERT_TRUE(own.isValid());
    const QString texts = CharactersOfTheProgramsTexts();
    ASSERT_GT(texts.size(), 200) << "the sources were not found";
    QString missing;
    for (const char32_t ch : texts.toUcs4()) {
        if (!own.supportsCharacter(ch)) {
            missing += QString::fromUcs4(&ch, 1);
        }
    }
    for (char ch = ' '; ch < 0x7F; ++ch) {
        if (!own.supportsCharacter(QChar(ch))) {
            missing += QChar(ch);
        }
    }
    EXPECT_TRUE(missing.isEmpty())
        << "run src/res/tools/make_ui_font.py: missing " << missing.toStdString();
}

TEST(EditorFont, DrawsEachGlyphAsTheInstalledFontDoes) {
    QString text = CharactersOfTheProgramsTexts();
    for (char ch = ' '; ch < 0x7F; ++ch) {
        text += QChar(ch);
    }
    const QImage own = Drawn(text, Only(QStringLiteral("Pattik UI")));
    EXPECT_EQ(own, Drawn(text, Only(QString::fromLatin1(layout::kFontFamily))));
    EXPECT_NE(own, Drawn(text, Only(QStringLiteral("DejaVu Sans")))) << "some font drew it";
}

// A character the program's texts never use (here in a file name) comes from the installed
// font, drawn as that font draws it.
TEST(EditorFont, FallsBackToTheInstalledFontForOtherCharacters) {
    const QString name = QStringLiteral("뷁똠.gif");
    EXPECT_FALSE(QRawFont::fromFont(Only(QStringLiteral("Pattik UI"))).supportsCharacter(U'뷁'));
    EXPECT_EQ(Drawn(name, EditorFont()),
              Drawn(name, Only(QString::fromLatin1(layout::kFontFamily))));
}

} // namespace
} // namespace pattik::testing
