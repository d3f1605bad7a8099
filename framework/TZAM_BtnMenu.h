#pragma once

#include "TZAM_BtnMenuItem.h"

#include <QList>
#include <QWidget>

class TZAM_BtnMenuKnopf;

// The handheld screen's button menu (btnmButtons): a stack of large buttons filling the width,
// scrolled by the screen through the offset (no scroll bar of its own). A click, by mouse or by
// ZifferDruecken, sends ButtonClick; a disabled button sends nothing. The buttons are named
// "<menu name>_<index>" ("btnmButtons_<index>" while the menu has no name) and show their captions
// to the script runner; buttons scrolled out of sight are hidden.
class TZAM_BtnMenu : public QWidget
{
    Q_OBJECT

public:
    static constexpr int CStandardButtonHoehe = 34;

    explicit TZAM_BtnMenu(QWidget* AParent = nullptr);
    ~TZAM_BtnMenu() override;

    // Answers the index of the new button.
    int Add(const TZAM_BtnMenuItem& AItem);
    int Add(const QString& ALeftCaption, const QString& ARightCaption = {});
    // AIndex from 0 to Count(); the buttons from there on move down one index.
    void Insert(int AIndex, const TZAM_BtnMenuItem& AItem);
    void Clear();
    int Count() const { return int(FItems.size()); }

    // Indexes out of range raise the illegal-parameter error.
    const TZAM_BtnMenuItem& Item(int AIndex) const;
    void Item_Set(int AIndex, const TZAM_BtnMenuItem& AItem);
    void LeftCaption_Set(int AIndex, const QString& ACaption);
    void RightCaption_Set(int AIndex, const QString& ACaption);
    void Enabled_Set(int AIndex, bool AEnabled);
    // The captions as shown: no accelerator marks, "&&" as "&", line breaks kept.
    QString LeftCaptionAnzeige(int AIndex) const;
    QString RightCaptionAnzeige(int AIndex) const;

    // Nested; the buttons are placed once at the outermost EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const { return FUpdateZaehler > 0; }

    // The height of buttons added from now on, and the row of ScrollZeilen.
    int ButtonHoehe_Get() const { return FButtonHoehe; }
    void ButtonHoehe_Set(int AHoehe);
    // The menu font's point size; the setter takes a font height as the system stores it (negative: pixels).
    int Schriftgroesse_Get() const { return font().pointSize(); }
    void Schriftgroesse_Set(int AGroesse);
    // The framework's font size type; only kept.
    int SchriftgroesseTyp_Get() const { return FSchriftgroesseTyp; }
    void SchriftgroesseTyp_Set(int ATyp) { FSchriftgroesseTyp = ATyp; }
    // Width of AText as given (pass the shown text) in the menu's current font.
    int TextBreite(const QString& AText) const;

    // In the menu's coordinates after scrolling: the first top is 0 unscrolled, negative scrolled down.
    int ButtonTop(int AIndex) const;
    int ButtonBottom(int AIndex) const;
    int InhaltHoehe() const;
    // Pixels scrolled down; kept between 0 and the content height less the menu height.
    int ScrollOffset() const { return FScrollOffset; }
    void SetScrollOffset(int AOffset);
    // ARows rows of the button height, positive downwards.
    void ScrollZeilen(int ARows) { SetScrollOffset(FScrollOffset + ARows * FButtonHoehe); }

    // Presses the first enabled button whose left caption has "&" right before the digit; false
    // when there is none (Qt's own mnemonics would need Alt).
    bool ZifferDruecken(int AZiffer);

Q_SIGNALS:
    void ButtonClick(int AIndex);

protected:
    void resizeEvent(QResizeEvent* AEvent) override;

private:
    void IndexPruefen(int AIndex, const char* AMethode, int AGrenze = -1) const;
    // Shows item AIndex on its button.
    void KnopfSetzen(int AIndex);
    void Anordnen();

    QList<TZAM_BtnMenuItem> FItems;
    // Button i shows item i; spare ones stay hidden, none is deleted (a click may clear the menu).
    QList<TZAM_BtnMenuKnopf*> FKnoepfe;
    int FButtonHoehe = CStandardButtonHoehe;
    int FSchriftgroesseTyp = 0;
    int FScrollOffset = 0;
    int FUpdateZaehler = 0;
};
