#pragma once

#include <QList>
#include <QString>
#include <algorithm>
#include <functional>

// An answer button of a stacked question, or a button shown by the help view.
struct TQIV_MDE_InfoButtonProperties
{
    int Left = 0; // horizontal position: the order of the help view
    std::function<void()> OnClick;
    bool Enabled = true;
    QString Caption;
    int GlyphType = 0;
    int GlyphSizeType = 0;
    QString GlyphName; // no picture when the type is 0 and the name empty
};

// Ordered by Left.
class TQIV_MDE_InfoButtonProperties_List : public QList<TQIV_MDE_InfoButtonProperties>
{
public:
    void Sortieren()
    {
        std::stable_sort(begin(), end(), [](const auto& a, const auto& b) { return a.Left < b.Left; });
    }
};

// A side button of the input panel.
struct TQIV_MDE_ButtonProperties
{
    bool Visible = false;
    std::function<void()> OnClick;
    QString Caption;
    QString GlyphName;
};

// The choice button of the input panel.
struct TQIV_MDE_ComboboxProperties
{
    bool Visible = false;
    QString ItemsCommatext; // the choices as comma text
    QString DefaultText;    // the initial caption
};
