#pragma once

#include "common/fixed4.h"
#include "energy/energymodel.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace velmo {

class Dialogs;
class TextPrinting;

// The controls of an energy requirement window that the logic reads or writes.
enum class EnergyControl {
    None,
    Text1,     // age
    Text3,     // weight
    Option3,   // "Leggera"
    Option4,   // "Moderata"
    Option5,   // "Pesante"
    Option12,  // with the recommended activities
    Option11,  // without them
    Text2,     // energy requirement
    Command1,  // print
    Command3,  // back to the launcher
    Label1,
    Label2,
    Label3,
    Label7,
    Label8,
    Label6,    // the three gram labels and the chart
    PrintStatus,
};

// The energy requirement window for one sex: the state of its controls and its event handlers.
// As in the controls it stands for, assigning a text or a caption runs that control's change
// handler at once, and selecting an option button from code runs its click: the handlers nest,
// and the nesting is spelled out in the setters below.
class EnergyWindowModel : public QObject {
    Q_OBJECT
public:
    EnergyWindowModel(Sex sex, Dialogs &dialogs, TextPrinting &printers, QObject *parent = nullptr);

    Sex sex() const { return sex_; }

    // Fixed texts that differ between the two windows.
    QString windowCaption() const;
    QString adultCaption() const;
    QString sexLine() const;
    bool recommendedTooltipOnButtons() const { return sex_ == Sex::Female; }
    QString splitLabelFont() const;
    static QString weightTooltip();
    static QString recommendedTooltip();
    static QString adolescentCaption();
    static QString optionCaption(int option);

    // The option buttons by number: 3, 4, 5 (activity), 12 (with), 11 (without).
    static constexpr std::array<int, 5> kOptions{3, 4, 5, 12, 11};
    static EnergyControl optionControl(int option);
    static int optionNumber(EnergyControl control);  // 0 when not an option button

    // --- What the view shows ---
    const QString &text1() const { return text1_; }
    const QString &text3() const { return text3_; }
    const QString &text2() const { return text2_; }
    const QString &label1() const { return label1_; }
    const QString &label2() const { return label2_; }
    const QString &label3() const { return label3_; }
    const QString &label7() const { return label7_; }
    const QString &label8() const { return label8_; }
    bool label7Visible() const { return label7Visible_; }
    bool label8Visible() const { return label8Visible_; }
    const QString &label6(int index) const { return label6_.at(static_cast<std::size_t>(index)); }
    double chartValue(int column) const { return chart_.at(static_cast<std::size_t>(column - 1)); }
    bool optionSelected(int option) const { return options_.at(slot(option)).selected; }
    bool optionEnabled(int option) const { return options_.at(slot(option)).enabled; }
    EnergyControl focus() const { return focus_; }
    int text1SelectionStart() const { return text1SelStart_; }
    int text1SelectionLength() const { return text1SelLength_; }
    const QString &printStatus() const { return printStatus_; }

    // The window members; kept for the whole run. Empty when what is typed cannot be read.
    std::optional<qint16> ageMember() const { return age_; }
    std::optional<qint16> weightMember() const { return weight_; }
    std::optional<Fixed4> basalMember() const { return basal_; }
    std::optional<Fixed4> lafMember() const { return laf_; }

    // --- What the user does (the view forwards these) ---
    // Opening restores the controls as designed and puts the focus in the age box; the members stay.
    void opened();
    void closed();
    // Moves the focus as a click or the tab key does: the old control's lost-focus handler, then
    // the new one's got-focus handler. A disabled control does not take the focus.
    void userFocus(EnergyControl control);
    // Whether the box would accept this text as the user's edit: digits only for the age; digits
    // with at most one decimal separator of the user's locale for the weight and the requirement.
    bool acceptsText(EnergyControl box, const QString &text) const;
    // An edit of a text box; refused (false) when the box does not accept the text.
    bool userEdit(EnergyControl box, const QString &text);
    // A click on an option button; it counts only while the button holds the focus, so a button
    // whose got-focus handler sent the focus elsewhere is not selected.
    void userClickOption(int option);
    void userClickPrint();
    void userClickBack();

    // --- Assignments from code: each runs the control's handler as described above ---
    void setText1(const QString &text);
    void setText3(const QString &text);
    void setText2(const QString &text);
    void setLabel1(const QString &caption);
    void setLabel2(const QString &caption);
    void setLabel3(const QString &caption);
    void setLabel7(const QString &caption);
    void setLabel8(const QString &caption);
    void setLabel6(int index, const QString &caption);
    void setOptionSelected(int option, bool selected);
    void setOptionEnabled(int option, bool enabled);
    void setFocusTo(EnergyControl control);

    // --- The handlers ---
    void text1GotFocus();
    void text1Change();
    void text1LostFocus();
    void text3GotFocus();
    void text3Change();
    void text3LostFocus();
    void label1Change();
    void optionGotFocus(int option);
    void optionClick(int option);
    void text2Change();
    void label7Change();
    void label8Change();
    void command1Click();
    void command3Click();

    // The eighteen lines of the printed summary for a name, as they stand now.
    QStringList printLines(const QString &name) const;
    static QString printTitle(const QString &name);
    // The PDF file proposed for a name, in the user's documents folder.
    static QString proposedPdfPath(const QString &name);

signals:
    void controlChanged(velmo::EnergyControl control);
    void focusChanged(velmo::EnergyControl control);
    void backRequested();
    void text1SelectionPlaced();

private:
    struct OptionState {
        bool selected = false;
        bool enabled = true;
    };
    static std::size_t slot(int option);

    QLocale locale() const { return QLocale(); }
    std::optional<double> readAge() const;
    void setLaf(std::optional<Fixed4> value);
    void setLabel3FromLaf();
    void recomputeText2();
    void enableOptions(bool enabled);
    void applyAdolescentFactor();
    bool ageBelowTen() const;
    void runSplit(SplitKind kind);
    void gotFocus(EnergyControl control);
    void lostFocus(EnergyControl control);
    void resetControls();
    void attention(const QString &text);

    Sex sex_;
    Dialogs &dialogs_;
    TextPrinting &printers_;

    QString text1_, text3_, text2_;
    QString label1_, label2_, label3_, label7_, label8_;
    bool label7Visible_ = true;
    bool label8Visible_ = true;
    std::array<QString, 3> label6_;
    std::array<double, 3> chart_{};
    std::array<OptionState, 5> options_{};
    EnergyControl focus_ = EnergyControl::None;
    int text1SelStart_ = 0;
    int text1SelLength_ = 0;
    QString printStatus_;

    std::optional<qint16> age_;
    std::optional<qint16> weight_;
    std::optional<Fixed4> basal_;
    std::optional<Fixed4> laf_;
};

}  // namespace velmo
