#pragma once
#include "toolkit/View.h"

// One of the four 30-point controls at the corners of the selected object:
// a round badge with its symbol drawn in.
class ObjectControl : public View
{
    Q_OBJECT
public:
    enum class Kind { Delete, EditText, Resize, Rotate };
    static constexpr double kSize = 30;

    explicit ObjectControl(Kind kind);
    Kind kind() const { return m_kind; }

protected:
    void drawContent(QPainter *painter) override;

private:
    Kind m_kind;
};
