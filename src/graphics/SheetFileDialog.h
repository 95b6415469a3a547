#pragma once

#include <QString>

class QWidget;

// The "Find..." dialog for a custom item sheet. Keeps its settings and the
// last chosen file between uses. ShowOpen is modal and returns false when the
// user cancels.
class SheetFileDialog {
public:
    virtual ~SheetFileDialog() = default;
    virtual bool ShowOpen() = 0;

    QString DialogTitle;
    // Pairs of description and pattern, separated by "|".
    QString Filter;
    int FilterIndex = 1;  // 1-based
    int Flags = 0;
    QString InitDir;
    QString FileName;   // full path of the file last chosen
    QString FileTitle;  // its name without the folder
};

// Only an existing file may be chosen.
constexpr int kFileMustExist = 0x1000;

// The toolkit's own file dialog; on Windows the system's common Open dialog.
class QtSheetFileDialog final : public SheetFileDialog {
public:
    explicit QtSheetFileDialog(QWidget* parent) : m_parent(parent) {}
    bool ShowOpen() override;

private:
    QWidget* m_parent;
};
