#include "App.Lib.Theme.h"

#include "SysUtils.h"
#include "TextSettings.h"

#include <QFontDatabase>
#include <QGuiApplication>

// Outside any namespace, as Q_INIT_RESOURCE requires.
static void initShellResources()
{
    Q_INIT_RESOURCE(Shell);
}

namespace {

std::unique_ptr<TThemeApp> themeInstance;

// Registers the font files for the process and serves the family name with them.
void registerFamily(const QString &family, const QStringList &files)
{
    QStringList registered;
    for (const QString &file : files) {
        const int id = QFontDatabase::addApplicationFont(file);
        for (const QString &name : QFontDatabase::applicationFontFamilies(id)) {
            if (!registered.contains(name))
                registered.prepend(name);
        }
    }
    // A file the system refuses is ignored: the family is asked for by name all the same.
    if (!registered.isEmpty())
        QFont::insertSubstitutions(family, registered);
}

void registerEmbeddedFonts()
{
    // Fonts need the application object; without one, the next theme tries again.
    static bool registered = false;
    if (registered || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    registered = true;
    initShellResources();
    {
        registerFamily(QStringLiteral("Segoe UI"),
                       { QStringLiteral(":/shell/resources/fonts/OpenSans-Regular.ttf"),
                         QStringLiteral(":/shell/resources/fonts/OpenSans-Bold.ttf") });
        registerFamily(QStringLiteral("Montserrat Light"),
                       { QStringLiteral(":/shell/resources/fonts/Manrope-Light.ttf") });
    }
}

} // namespace

TThemeApp::TThemeApp()
    : m_colorApp(std::make_unique<TColorApp>())
    , m_fontApp(std::make_unique<TFontApp>())
    , m_colorFinanceiro(std::make_unique<TColorFinanceiroApp>())
{
    TColorApp &color = *m_colorApp;
    color.PrimaryColor = HexToAlphaColor(QStringLiteral("313842"));
    color.SecondaryColor = HexToAlphaColor(QStringLiteral("7AC7D1"));
    color.TertiaryColor = TAlphaColors::Black;
    color.QuartenaryColor = TAlphaColors::White;
    color.BackgroundColor = HexToAlphaColor(QStringLiteral("E0E0E0"));
    color.BackgroundColor2 = TAlphaColors::White;
    color.TextPrimaryColor = TAlphaColors::Black;
    color.TextSecondaryColor = TAlphaColors::White;
    color.ZebraPrimaryColor = TAlphaColors::White;
    color.ZebraSecondaryColor = TAlphaColors::Silver;
    color.StatusBarColor = HexToAlphaColor(QStringLiteral("B1ACAE"));
    color.MessageInformationColor = HexToAlphaColor(QStringLiteral("FF863F"));
    color.MessageWarningColor = TAlphaColors::Olive;
    color.MessageQuestionColor = HexToAlphaColor(QStringLiteral("313842"));
    color.MessageErrorColor = TAlphaColors::Firebrick;
    color.MessageAlertColor = TAlphaColors::Firebrick;
    color.MessageSuccessColor = HexToAlphaColor(QStringLiteral("7AC7D1"));

    TColorFinanceiroApp &finance = *m_colorFinanceiro;
    finance.EmAtraso = color.MessageErrorColor;
    finance.EmAberto = color.MessageSuccessColor;
    finance.CancelamentoParcela = color.MessageInformationColor;
    finance.CobrancaEletronica = TAlphaColors::Blue;
    finance.BonificacaoParcela = color.MessageWarningColor;
    finance.RenegociadaParcela = TAlphaColors::Yellow;
    finance.TitularFalecido = TAlphaColors::Black;
    finance.CadastroQuitado = TAlphaColors::Green;
    finance.CadastroDesativado = TAlphaColors::Red;
    finance.CadastroSemPendencias = TAlphaColors::Slategray;
    finance.CadastroEmCarencia = TAlphaColors::Yellow;
    finance.TipoReceita = TAlphaColors::Blue;
    finance.TipoDespesa = TAlphaColors::Red;
    finance.CadastroSuspenso = TAlphaColors::Blue;
    finance.QuarentaCincoDiasParcelasAbertas = TAlphaColors::Orange;
    finance.SessentaDiasParcelasAbertas = TAlphaColors::Purple;

    registerEmbeddedFonts();

    const QString segoe = QStringLiteral("Segoe UI");
    const QString montserrat = QStringLiteral("Montserrat Light");
    TFontApp &fonts = *m_fontApp;
    fonts.m_primaryFont = MakeFont(segoe, 12);
    fonts.m_secondaryFont = MakeFont(segoe, 12);
    fonts.m_tertiaryFont = MakeFont(segoe, 12, true);
    fonts.m_quartenaryFont = MakeFont(segoe, 12, false, true);
    fonts.m_titleWindow = MakeFont(montserrat, 16);
    fonts.m_userLogged = MakeFont(montserrat, 12);
    fonts.m_menu = MakeFont(segoe, 12);
}

TThemeApp::~TThemeApp() = default;

TAlphaColor TThemeApp::HexToAlphaColor(const QString &hex)
{
    const QString text = QStringLiteral("#FF") + hex;
    bool ok = false;
    const qulonglong value = text.mid(1).toULongLong(&ok, 16);
    // toULongLong accepts a sign and blanks that the colour text does not.
    bool digitsOnly = true;
    for (QChar c : text.mid(1)) {
        if (!c.isDigit() && !(c.toUpper() >= u'A' && c.toUpper() <= u'F'))
            digitsOnly = false;
    }
    if (!ok || !digitsOnly || value > 0xFFFFFFFFull)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return TAlphaColor(value);
}

TAlphaColor TThemeApp::RGBToAlphaColor(int red, int green, int blue)
{
    const auto component = [](int value) {
        return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    };
    return HexToAlphaColor(component(red) + component(green) + component(blue));
}

QString TThemeApp::AlphaColorToHex(TAlphaColor color)
{
    return QStringLiteral("%1").arg(color & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

TThemeApp &TThemeApp::Instance()
{
    if (!themeInstance)
        themeInstance = std::make_unique<TThemeApp>();
    return *themeInstance;
}

void TThemeApp::ResetInstance()
{
    themeInstance.reset();
}
