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

// The print window " Anteprina di Stampa": shows its model and hands every user action to it.
class frmStampaFPB : public QDialog {
    Q_OBJECT
public:
    explicit frmStampaFPB(printing::PrintWindowModel &model, QWidget *parent = nullptr);

    printing::PrintWindowModel &model() { return model_; }
    QLineEdit *field(printing::Field field) const { return fields_.at(field); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QLineEdit *addField(printing::Field field, const QString &name, int maxLength);
    UpDown *addUpDown(printing::Field field, const QString &name);
    void sync();
    void syncObjectMode();
    void placeZoom();

    printing::PrintWindowModel &model_;
    std::map<printing::Field, QLineEdit *> fields_;
    std::map<printing::Field, UpDown *> upDowns_;
    std::map<QObject *, printing::Field> fieldOf_;

    QGroupBox *zFrame1_ = nullptr;
    QLabel *zLabel1_ = nullptr;
    QComboBox *cboPrinterNames_ = nullptr;
    QPushButton *cmdProprieta_ = nullptr;
    QLabel *imgPrinter_ = nullptr;
    QGroupBox *fraFoglio_ = nullptr;
    SheetView *picPreview_ = nullptr;
    QLabel *lblFgW_ = nullptr;
    QLabel *lblFgH_ = nullptr;
    QLabel *lblFuoriFoglio_ = nullptr;
    QLabel *lblStampaInCorso_ = nullptr;
    QWidget *rightColumn_ = nullptr;
    QCheckBox *chkProporzioni_ = nullptr;
    QPushButton *cmdMax_ = nullptr;
    QCheckBox *chkCentro_ = nullptr;
    QPushButton *cmdOrigine_ = nullptr;
    QWidget *scaleRow_ = nullptr;
    QLabel *lblLblScala_ = nullptr;
    QPushButton *cmdScalaOK_ = nullptr;
    QWidget *copiesRow_ = nullptr;
    QPushButton *cmdStampa_ = nullptr;
    QPushButton *cmdOK_ = nullptr;
    QPushButton *cmdChiudi_ = nullptr;
    QWidget *picZoom_ = nullptr;
    SheetView *picPreviewZoom_ = nullptr;
};

}  // namespace velmo::ui
