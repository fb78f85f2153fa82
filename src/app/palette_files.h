#pragma once

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QSettings;
class QWidget;

namespace pattik {

class CToolPalette;

// The palette's 16 swatches in files and between runs: 파일 > 팔레트 불러오기 reads a
// palette file (known by what it holds), 팔레트 저장 writes one in the format its name
// asks for, and the settings keep the swatches from one run to the next.
class PaletteFiles : public QObject {
  public:
    // `say` shows a short text in the status bar; refusals come as message boxes.
    PaletteFiles(QWidget& window, CToolPalette& palette, QSettings& settings,
                 std::function<void(const QString&)> say);

    void AddToFileMenu(QMenu& file, QAction* before);
    // The swatches the user last left, when the settings hold them.
    void LoadSwatchSettings();
    void StoreSwatchSettings();

    void Load(const QString& path);
    void Save(const QString& path);

  private:
    void AskAndLoad();
    void AskAndSave();
    void Refuse(const QString& text);

    QWidget& window_;
    CToolPalette& palette_;
    QSettings& settings_;
    std::function<void(const QString&)> say_;
    QAction* loadAction_;
    QAction* saveAction_;
};

} // namespace pattik
