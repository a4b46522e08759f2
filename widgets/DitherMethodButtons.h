#pragma once

#include <QGroupBox>
#include <array>
#include <string_view>

class QButtonGroup;

namespace widgets {

// The group "Typ ditheringu": one radio button per method, the button's id
// being the method's code. The five classic methods form the first column
// under the labels given; the error-diffusion kernels and the threshold
// masks follow in a column each.
class DitherMethodButtons : public QGroupBox {
    Q_OBJECT
public:
    DitherMethodButtons(const std::array<std::string_view, 5>& classicLabels, QWidget* parent);

    QButtonGroup& buttons() { return *buttons_; }
    // The method of the checked button, -1 when none is.
    int method() const;
    // Checks the method's button; any other number leaves all clear.
    void setMethod(int method);

private:
    QButtonGroup* buttons_;
};

}  // namespace widgets
