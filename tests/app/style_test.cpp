// The editor's look: the chevron a menu bar shows for menus that do not fit, and lists that
// open with every entry shown.
#include "app/pattik_style.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

namespace pattik::testing {
namespace {

// The dark pixels of an icon drawn at 8 x 8, as rows of '#' and '.'.
std::string InkOf(const QIcon& icon) {
    const QImage image = icon.pixmap(8, 8).toImage().convertToFormat(QImage::Format_ARGB32);
    std::string rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            rows += qAlpha(image.pixel(x, y)) > 128 ? '#' : '.';
        }
        rows += '\n';
    }
    return rows;
}

TEST(Style, MenusThatDoNotFitAreReachedThroughAChevron) {
    ASSERT_NE(dynamic_cast<PattikStyle*>(QApplication::style()), nullptr);
    QMenuBar bar;
    const QStringList titles = {QStringLiteral("파일(&F)"), QStringLiteral("편집(&E)"),
                                QStringLiteral("보기(&V)"), QStringLiteral("도움말(&H)")};
    for (const QString& title : titles) {
        bar.addMenu(title)->addAction(QStringLiteral("항목"));
    }
    bar.resize(110, bar.sizeHint().height());
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));

    auto* chevron = bar.findChild<QToolButton*>();
    ASSERT_NE(chevron, nullptr);
    ASSERT_TRUE(chevron->isVisible()) << "the last menus do not fit";
    EXPECT_EQ(InkOf(chevron->icon()), "........\n"
                                      "#...#...\n"
                                      ".#...#..\n"
                                      "..#...#.\n"
                                      "...#...#\n"
                                      "..#...#.\n"
                                      ".#...#..\n"
                                      "#...#...\n");
    EXPECT_EQ(InkOf(QApplication::style()->standardIcon(QStyle::SP_ToolBarVerticalExtensionButton)),
              ".#.....#\n"
              "..#...#.\n"
              "...#.#..\n"
              "....#...\n"
              ".#.....#\n"
              "..#...#.\n"
              "...#.#..\n"
              "....#...\n");

    // The pointer crosses the visible menus on its way to the chevron; a click lists the
    // menus that did not fit.
    const QPoint target = chevron->geometry().center();
    QWindow* window = bar.windowHandle();
    for (int x = 2; x < target.x(); x += 12) {
        QTest::mouseMove(window, QPoint(x, target.y()));
    }
    // The list is a popup with an event loop of its own: read it and close it from there.
    QStringList listed;
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [&] {
        if (auto* hidden = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* action : hidden->actions()) {
                listed << action->text();
            }
            hidden->close();
        }
    });
    reader.start(10);
    QTest::mouseClick(window, Qt::LeftButton, {}, target);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !listed.isEmpty(); }));
    EXPECT_TRUE(listed.contains(titles.back())) << listed.join(u',').toStdString();
    EXPECT_FALSE(listed.contains(titles.front()));
}

// The category list has fourteen entries: all show at once, without a scroll bar.
TEST(Style, AListBoxOpensWithEveryEntryShown) {
    QComboBox box;
    for (int entry = 0; entry < 14; ++entry) {
        box.addItem(QStringLiteral("종류 %1").arg(entry));
    }
    box.resize(120, box.sizeHint().height());
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    box.showPopup();
    QAbstractItemView* list = box.view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
    const QRect last = list->visualRect(box.model()->index(13, 0));
    EXPECT_GE(last.top(), 0);
    EXPECT_LE(last.bottom(), list->viewport()->rect().bottom())
        << "the last entry is scrolled away";
    box.hidePopup();
}

} // namespace
} // namespace pattik::testing
