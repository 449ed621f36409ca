#pragma once

#include "App.Lib.Theme.Color.h"
#include "App.Lib.Theme.ColorFinanceiro.h"
#include "App.Lib.Theme.Font.h"

#include <QString>

#include <memory>

// The one place where the client's colours and fonts are defined. Every window applies it in its
// theme hook. Creating it registers the program's own fonts (once per process), so the look does
// not depend on the fonts installed on the machine.
class TThemeApp
{
public:
    TThemeApp();
    ~TThemeApp();
    TThemeApp(const TThemeApp &) = delete;
    TThemeApp &operator=(const TThemeApp &) = delete;

    TColorApp &ColorApp() { return *m_colorApp; }
    const TColorApp &ColorApp() const { return *m_colorApp; }
    const TFontApp &FontApp() const { return *m_fontApp; }
    TColorFinanceiroApp &ColorFinanceiro() { return *m_colorFinanceiro; }
    const TColorFinanceiroApp &ColorFinanceiro() const { return *m_colorFinanceiro; }

    // "RRGGBB" (either case) to the opaque colour FFRRGGBB; the text is read as "#FF" followed by
    // it, so an empty text gives 000000FF. Raises EConvertError for a text that is not
    // hexadecimal or does not fit 32 bits.
    static TAlphaColor HexToAlphaColor(const QString &hex);
    // Only the low byte of each component counts.
    static TAlphaColor RGBToAlphaColor(int red, int green, int blue);
    // "RRGGBB" in upper case, alpha dropped.
    static QString AlphaColorToHex(TAlphaColor color);

    // The process-wide theme (main thread), created on first use; tests may drop it.
    static TThemeApp &Instance();
    static void ResetInstance();

private:
    std::unique_ptr<TColorApp> m_colorApp;
    std::unique_ptr<TFontApp> m_fontApp;
    std::unique_ptr<TColorFinanceiroApp> m_colorFinanceiro;
};
