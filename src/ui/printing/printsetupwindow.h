// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "printing/printwindowmodel.h"

#include <QDialog>

#include <map>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velmo::ui {

class SheetView;
class UpDown;

// The print window " Anteprina di Stampa": its fixed layout comes from printsetupwindow.ui; here it
// shows its model and hands every user action to it.
class PrintSetupWindow : public QDialog {
    Q_OBJECT
public:
    explicit PrintSetupWindow(printing::PrintWindowModel &model, QWidget *parent = nullptr);
    ~PrintSetupWindow() override;

    printing::PrintWindowModel &model() { return model_; }
    QLineEdit *field(printing::Field field) const { return fields_.at(field); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void findFormWidgets();
    void addZoom();
    void connectActions();
    void connectField(printing::Field field, const char *editName, const char *upDownName);
    bool filterFieldEvent(printing::Field field, QLineEdit *edit, QEvent *event);
    void sync();
    void syncObjectMode();
    void syncPrinterList();
    void syncSheet();
    void placeZoom();

    printing::PrintWindowModel &model_;
    std::map<printing::Field, QLineEdit *> fields_;
    std::map<printing::Field, UpDown *> upDowns_;
    std::map<QObject *, printing::Field> fieldOf_;

    // The form's widgets.
    QLabel *printerCaption_ = nullptr;  // "&Nome:"; a double click saves the preview
    QComboBox *printerList_ = nullptr;
    QPushButton *propertiesButton_ = nullptr;
    QLabel *printerPicture_ = nullptr;  // shown when the window only chooses the printer
    QGroupBox *sheetFrame_ = nullptr;
    QWidget *sheetArea_ = nullptr;
    SheetView *preview_ = nullptr;
    QLabel *printingNotice_ = nullptr;  // "Stampa in corso..."
    QLabel *sheetWidthLabel_ = nullptr;
    QLabel *sheetHeightLabel_ = nullptr;
    QLabel *outOfSheetWarning_ = nullptr;
    QWidget *rightColumn_ = nullptr;
    QCheckBox *keepProportionsBox_ = nullptr;
    QPushButton *maxButton_ = nullptr;
    QCheckBox *centredBox_ = nullptr;
    QPushButton *originButton_ = nullptr;
    QWidget *scaleRow_ = nullptr;
    QLabel *scaleCaption_ = nullptr;
    QPushButton *scaleOkButton_ = nullptr;
    QWidget *copiesRow_ = nullptr;
    QPushButton *printButton_ = nullptr;
    QPushButton *okButton_ = nullptr;
    QPushButton *closeButton_ = nullptr;

    QWidget *zoom_ = nullptr;  // the enlarged preview, over the whole window
    SheetView *zoomPreview_ = nullptr;
};

}  // namespace velmo::ui
