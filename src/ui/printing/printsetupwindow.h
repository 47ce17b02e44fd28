#pragma once

#include "printing/printwindowmodel.h"

#include <QDialog>

#include <map>
#include <memory>

class QLineEdit;

namespace Ui {
class frmStampaFPB;
}

namespace velmo::ui {

class SheetView;
class UpDown;

// The print window " Anteprina di Stampa": its fixed layout comes from frmstampafpb.ui; here it
// shows its model and hands every user action to it.
class frmStampaFPB : public QDialog {
    Q_OBJECT
public:
    explicit frmStampaFPB(printing::PrintWindowModel &model, QWidget *parent = nullptr);
    ~frmStampaFPB() override;

    printing::PrintWindowModel &model() { return model_; }
    QLineEdit *field(printing::Field field) const { return fields_.at(field); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void connectField(printing::Field field, QLineEdit *edit, UpDown *upDown);
    void sync();
    void syncObjectMode();
    void placeZoom();

    printing::PrintWindowModel &model_;
    std::unique_ptr<Ui::frmStampaFPB> ui_;
    std::map<printing::Field, QLineEdit *> fields_;
    std::map<printing::Field, UpDown *> upDowns_;
    std::map<QObject *, printing::Field> fieldOf_;
    QWidget *picZoom_ = nullptr;  // the enlarged preview, over the whole window
    SheetView *picPreviewZoom_ = nullptr;
};

}  // namespace velmo::ui
