#pragma once

#include "Align.h"
#include "Events.h"

#include <array>
#include <cstdint>

class QWidget;
class TLabel;
class TSpeedButton;
class TThemeApp;
struct TPaginate;

// The paging strip of a list window (the registration windows and the search window): the
// first, prior, next and last buttons, the page label and the count labels with their captions.
// It gives these controls their names, styles and first texts, moves the page for each button and
// shows the page and the counts after each load. The window lays the controls out as its own form
// has them, runs the load and decides when the strip shows.
class TPaginateControl final
{
public:
    enum class TPageButton : std::uint8_t { First, Prior, Next, Last };
    enum class TPageLabel : std::uint8_t {
        CaptionPage, // Label2, "Página:"
        Page, // LabelPaginacao, page and page count
        CaptionListed, // Label3, "Registros Listados:"
        Listed, // LabelRegistrosListados, the rows of the page shown
        CaptionTotal, // Label1, "Total Registros:"
        Total, // LabelQuantidadeRegistros, the records found (registration windows only)
    };

    // APaginate is the window's paging state, which outlives the strip.
    explicit TPaginateControl(TPaginate &APaginate);
    TPaginateControl(const TPaginateControl &) = delete;
    TPaginateControl &operator=(const TPaginateControl &) = delete;

    // The button, 30 by 30, in AParent; its click runs AOnClick through the platform's guarded
    // event.
    TSpeedButton *
    NewButton(TPageButton AButton, QWidget *AParent, TAlignLayout AAlign, TNotifyEvent AOnClick);
    // The label in AParent with its first text; the window sizes and places it.
    TLabel *NewLabel(TPageLabel ALabel, QWidget *AParent);

    // The page the button asks for: the first; the one before, not below the first; the one
    // after, not beyond the last; the last. Never below page 1, also when nothing was found.
    void MoveTo(TPageButton AButton);

    // After a load: the page and page count each with "0000" joined by "/", the rows listed and
    // the records found with "0000000000"; first and prior enabled past the first page, next and
    // last before the last page.
    void ShowPage();

    // The figures in the tertiary font, the captions in the primary one, all in the primary text
    // colour.
    void ApplyTheme(const TThemeApp &ATheme);

private:
    TLabel *label(TPageLabel ALabel) const { return m_labels[std::size_t(ALabel)]; }
    TSpeedButton *button(TPageButton AButton) const { return m_buttons[std::size_t(AButton)]; }

    TPaginate &m_paginate;
    std::array<TSpeedButton *, 4> m_buttons {};
    std::array<TLabel *, 6> m_labels {};
};
