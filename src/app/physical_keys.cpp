#include "app/physical_keys.h"

#include <array>
#include <cstddef>

namespace pattik {
namespace {

constexpr char kLetters[] = "QWERTYUIOPASDFGHJKLZXCVBNM";

// The key codes Linux window systems report for the letter keys (the kernel's key numbers
// plus 8), in the order of kLetters: one row of the keyboard after another.
constexpr std::array<quint32, 26> kLetterKeyCodes = {
    24, 25, 26, 27, 28, 29, 30, 31, 32, 33, // Q .. P
    38, 39, 40, 41, 42, 43, 44, 45, 46,     // A .. L
    52, 53, 54, 55, 56, 57, 58,             // Z .. M
};

// The Hangul letter on each key of the two-set layout, in the order of kLetters, then the
// five doubled consonants and two vowels that Shift gives.
const QString& HangulOnKeys() {
    static const QString letters =
        QStringLiteral("ㅂㅈㄷㄱㅅㅛㅕㅑㅐㅔㅁㄴㅇㄹㅎㅗㅓㅏㅣㅋㅌㅊㅍㅠㅜㅡ");
    return letters;
}
const QString& ShiftedHangulOnKeys() {
    static const QString letters = QStringLiteral("ㅃㅉㄸㄲㅆㅒㅖ");
    return letters;
}
constexpr char kShiftedLetters[] = "QWERTOP";

Qt::Key LetterKey(char letter) {
    return static_cast<Qt::Key>(Qt::Key_A + (letter - 'A'));
}

std::optional<Qt::Key> FromKeyCode(quint32 code) {
    for (std::size_t i = 0; i < kLetterKeyCodes.size(); ++i) {
        if (kLetterKeyCodes[i] == code) {
            return LetterKey(kLetters[i]);
        }
    }
    return std::nullopt;
}

std::optional<Qt::Key> FromHangul(QChar letter) {
    if (const qsizetype at = HangulOnKeys().indexOf(letter); at >= 0) {
        return LetterKey(kLetters[at]);
    }
    if (const qsizetype at = ShiftedHangulOnKeys().indexOf(letter); at >= 0) {
        return LetterKey(kShiftedLetters[at]);
    }
    return std::nullopt;
}

} // namespace

std::optional<Qt::Key> PhysicalLetterKey(const QKeyEvent& key) {
    if (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) {
        return std::nullopt; // already the letter: nothing to translate
    }
    // A key that types a Latin character keeps its meaning, whatever key it sits on: the
    // comma of another Latin layout stays a comma.
    if (key.text().size() == 1 && key.text().front() >= QChar(u' ') &&
        key.text().front() <= QChar(u'~')) {
        return std::nullopt;
    }
    if (const std::optional<Qt::Key> letter = FromKeyCode(key.nativeScanCode())) {
        return letter;
    }
    // Without a key code (or a code of another keyboard), the Hangul letter typed tells the
    // key. Qt gives it as the text, or with Ctrl held sometimes only as the key's code.
    if (key.text().size() == 1) {
        if (const std::optional<Qt::Key> letter = FromHangul(key.text().front())) {
            return letter;
        }
    }
    if (key.key() > 0 && key.key() <= 0xFFFF) {
        return FromHangul(QChar(static_cast<char16_t>(key.key())));
    }
    return std::nullopt;
}

} // namespace pattik
