// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The soukoli developers
// KHbetaDialog "Stanovení součinitele KHß": where the face load factor comes from (a layout scheme,
// the contact band bcal, or KHbeta entered directly) and the input of that source.
#pragma once

#include <functional>

#include "dialogs/FieldDialog.h"
#include "engine/GearPairData.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace soukoli {

class KHbetaDialog : public FieldDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 71;

    KHbetaDialog(GearPairData& data, Ui& ui, QWidget* parent = nullptr);

    /// The windows of the scheme option: the layout-scheme dialog (full calculation) and the
    /// scheme picture (simplified), each shown modally.
    void setSchemeWindows(std::function<void()> openLayout, std::function<void()> openPicture);

    /// The main window's trimming: the simplified calculation has no contact band and no help.
    void trimForTab(bool simplified);
    /// "Vnější" / "Vnitřní" chosen: KHbeta entered directly (the data set holds 1.3 by now); no
    /// layout scheme for an internal pair.
    void toothingSwitched();

    /// Fills the window from the data set (activation and repaint).
    void refresh();
    void repaintFromData() override;

    [[nodiscard]] QCheckBox* schemeOption() const { return scheme_; }
    [[nodiscard]] QCheckBox* bcalOption() const { return bcal_; }
    [[nodiscard]] QCheckBox* directOption() const { return direct_; }
    [[nodiscard]] QLabel* schemeLabel() const { return schemeLabel_; }
    [[nodiscard]] NumberEdit* bcalEdit() const { return edit1_; }
    [[nodiscard]] NumberEdit* khbetaEdit() const { return edit2_; }
    [[nodiscard]] QPushButton* okButton() const { return ok_; }
    [[nodiscard]] QPushButton* helpButton() const { return help_; }

signals:
    /// Face-load inputs changed (an option, or an accepted entry): the accuracy dialog shows or
    /// hides its deviation rows.
    void dataChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    /// "&Ok": the source of KHbeta must be complete.
    bool readyToClose() override;

private:
    void schemeClicked(bool checked);
    void bcalClicked(bool checked);
    void directClicked(bool checked);
    /// The options and the usable field as the data set's source says.
    void syncOptions();

    GearPairData& data_;
    std::function<void()> openLayout_;
    std::function<void()> openPicture_;
    bool firstActivation_ = true;
    QCheckBox* scheme_;
    QCheckBox* bcal_;
    QCheckBox* direct_;
    QLabel* schemeLabel_;
    NumberEdit* edit1_;
    NumberEdit* edit2_;
    QList<QWidget*> bcalRow_;
    QPushButton* ok_;
    QPushButton* help_;
};

}  // namespace soukoli
