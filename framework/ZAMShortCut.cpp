#include "ZAMShortCut.h"

namespace {

constexpr TZAM_ShortCut CModifierMaske = CZAM_ShortCut_Shift | CZAM_ShortCut_Ctrl | CZAM_ShortCut_Alt;

struct TTaste
{
    int VK;
    Qt::Key Key;
};

// Keys whose virtual-key code is not a plain offset of the Qt code.
constexpr std::array<TTaste, 16> CTasten{{
    {8, Qt::Key_Backspace},
    {9, Qt::Key_Tab},
    {13, Qt::Key_Return},
    {27, Qt::Key_Escape},
    {32, Qt::Key_Space},
    {33, Qt::Key_PageUp},
    {34, Qt::Key_PageDown},
    {35, Qt::Key_End},
    {36, Qt::Key_Home},
    {37, Qt::Key_Left},
    {38, Qt::Key_Up},
    {39, Qt::Key_Right},
    {40, Qt::Key_Down},
    {45, Qt::Key_Insert},
    {46, Qt::Key_Delete},
    {13, Qt::Key_Enter}, // keypad Enter; after Return so that 13 gives Return
}};

int QtKey(int AVK)
{
    if (AVK >= 112 && AVK <= 135)
        return Qt::Key_F1 + (AVK - 112);
    if ((AVK >= '0' && AVK <= '9') || (AVK >= 'A' && AVK <= 'Z'))
        return AVK; // Qt uses the same codes here
    for (const TTaste& t : CTasten)
        if (t.VK == AVK)
            return t.Key;
    return 0;
}

int VirtualKey(int AKey)
{
    if (AKey >= Qt::Key_F1 && AKey <= Qt::Key_F24)
        return 112 + (AKey - Qt::Key_F1);
    if ((AKey >= Qt::Key_0 && AKey <= Qt::Key_9) || (AKey >= Qt::Key_A && AKey <= Qt::Key_Z))
        return AKey;
    if (AKey == Qt::Key_Backtab) // what Qt reports for Shift+Tab
        return 9;
    for (const TTaste& t : CTasten)
        if (t.Key == AKey)
            return t.VK;
    return 0;
}

} // namespace

QKeySequence ZAMShortCut2KeySequence(TZAM_ShortCut AShortCut)
{
    const int key = QtKey(AShortCut & ~CModifierMaske);
    if (key == 0)
        return {};
    Qt::KeyboardModifiers mod;
    if (AShortCut & CZAM_ShortCut_Shift)
        mod |= Qt::ShiftModifier;
    if (AShortCut & CZAM_ShortCut_Ctrl)
        mod |= Qt::ControlModifier;
    if (AShortCut & CZAM_ShortCut_Alt)
        mod |= Qt::AltModifier;
    return QKeySequence(QKeyCombination(mod, Qt::Key(key)));
}

TZAM_ShortCut ZAMKeySequence2ShortCut(const QKeySequence& AFolge)
{
    if (AFolge.count() != 1)
        return 0;
    const QKeyCombination k = AFolge[0];
    const Qt::KeyboardModifiers mod = k.keyboardModifiers() & ~Qt::KeypadModifier;
    if (mod & Qt::MetaModifier)
        return 0;
    const int vk = VirtualKey(k.key());
    if (vk == 0)
        return 0;
    TZAM_ShortCut s = TZAM_ShortCut(vk);
    if (mod & Qt::ShiftModifier || k.key() == Qt::Key_Backtab)
        s |= CZAM_ShortCut_Shift;
    if (mod & Qt::ControlModifier)
        s |= CZAM_ShortCut_Ctrl;
    if (mod & Qt::AltModifier)
        s |= CZAM_ShortCut_Alt;
    return s;
}
