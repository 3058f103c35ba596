// TZLZRZV_F: the table of recommended values of the product ZL·ZR·ZV, opened beside field 7 of
// the coefficients dialog. It changes no data.
#pragma once

#include <QDialog>

namespace soukoli {

class TSouc_F;

class TZLZRZV_F : public QDialog {
    Q_OBJECT
public:
    explicit TZLZRZV_F(TSouc_F& coefficients, QWidget* parent = nullptr);

    /// Shows the table (not modally).
    void openTable();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    TSouc_F& coefficients_;
};

}  // namespace soukoli
