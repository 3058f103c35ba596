// LayoutSchemeDialog "Volba půdorysného schématu pro výpočet KHbeta": the ten layouts of shafts and
// bearings to choose from (mouse, PgUp, PgDn), the enlarged drawing of the chosen one and its
// dimensions s1, s2, lw1, lw2, dsh1, dsh2, dII, dI.
#pragma once

#include <array>

#include "dialogs/FieldDialog.h"
#include "engine/GearPairData.h"

class QLabel;
class QPushButton;

namespace soukoli {

class LayoutGrid;
class LayoutView;

class LayoutSchemeDialog : public FieldDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 72;
    static constexpr int kFields = 8;

    LayoutSchemeDialog(GearPairData& data, Ui& ui, QWidget* parent = nullptr);

    /// Chooses layout `number` and repaints both panels.
    void selectLayout(int number);

    [[nodiscard]] NumberEdit* edit(int field) const { return edits_[static_cast<std::size_t>(field - 1)]; }
    [[nodiscard]] QLabel* fieldLabel(int field) const { return labels_[static_cast<std::size_t>(field - 1)]; }
    [[nodiscard]] LayoutGrid* grid() const { return grid_; }
    [[nodiscard]] LayoutView* view() const { return view_; }
    [[nodiscard]] QPushButton* okButton() const { return ok_; }
    [[nodiscard]] QPushButton* escButton() const { return esc_; }
    [[nodiscard]] QPushButton* helpButton() const { return help_; }

    /// "&Esc" and the Esc key: no scheme, KHbeta entered directly, every dimension 0.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClicked();
    bool commit(int field, double value);
    void showValues();

    GearPairData& data_;
    LayoutGrid* grid_;
    LayoutView* view_;
    std::array<NumberEdit*, kFields> edits_{};
    std::array<QLabel*, kFields> labels_{};
    std::array<QLabel*, kFields> units_{};
    QPushButton* ok_;
    QPushButton* esc_;
    QPushButton* help_;
};

}  // namespace soukoli
