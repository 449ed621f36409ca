#include "App.Adapter.Frame.AtualizacaoValores.h"

#include "App.Lib.AtualizacaoValores.Calculo.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "Common.Lib.Formatter.Edit.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "FormatSettings.h"
#include "Edit.h"
#include "Label.h"
#include "SpeedButton.h"

namespace {

template<class TControlType>
TControlType *atualizacaoValoresField(TFrameBaseAdapter *AFrame,
                                      QWidget *AParent,
                                      TLabel *&ALabel,
                                      const QString &AName,
                                      const QString &ATitle,
                                      int x,
                                      int y)
{
    (void)AFrame;
    ALabel = new TLabel(AParent, QStringLiteral("Label") + AName);
    ALabel->setText(ATitle);
    ALabel->setGeometry(x, y, 140, 18);
    auto *control = new TControlType(AParent, AName);
    control->setGeometry(x, y + 20, 130, 24);
    return control;
}

} // namespace

TAtualizacaoValoresFrameAdapter::TAtualizacaoValoresFrameAdapter(QWidget *AOwner,
                                                                 const QString &name)
    : TFrameBaseAdapter(AOwner, name)
    , m_managerControl(std::make_unique<TManagerControl>())
{
    LabelDescricao = AddLabel(QStringLiteral("LabelDescricao"), {}, 184, 6);
    LabelDescricao->setFontSize(16);
    QWidget *area = LayoutBackground;
    EditValorAtual = atualizacaoValoresField<TEdit>(this,
                                                    area,
                                                    LabelValorAtual,
                                                    QStringLiteral("EditValorAtual"),
                                                    QStringLiteral("Valor Atual:"),
                                                    184,
                                                    34);
    DateEditVigenciaAtual
        = atualizacaoValoresField<TDateEdit>(this,
                                             area,
                                             LabelVigenciaAtual,
                                             QStringLiteral("DateEditVigenciaAtual"),
                                             QStringLiteral("Vigência Atual:"),
                                             324,
                                             34);
    DateEditVigenciaNova
        = atualizacaoValoresField<TDateEdit>(this,
                                             area,
                                             LabelVigenciaNova,
                                             QStringLiteral("DateEditVigenciaNova"),
                                             QStringLiteral("Vigência Nova:"),
                                             464,
                                             34);
    EditPercentual = atualizacaoValoresField<TEdit>(this,
                                                    area,
                                                    LabelPercentual,
                                                    QStringLiteral("EditPercentual"),
                                                    QStringLiteral("Percentual (%):"),
                                                    604,
                                                    34);
    EditNovoValor = atualizacaoValoresField<TEdit>(this,
                                                   area,
                                                   LabelNovoValor,
                                                   QStringLiteral("EditNovoValor"),
                                                   QStringLiteral("Novo Valor:"),
                                                   744,
                                                   34);
    setSize(width(), 84);

    SpeedButtonRemover = AddButton(QStringLiteral("SpeedButtonRemover"),
                                   QStringLiteral("trashtoolbutton"),
                                   [this] { SpeedButtonRemoverClick(); });
    SpeedButtonGravar = AddButton(QStringLiteral("SpeedButtonGravar"),
                                  QStringLiteral("donetoolbutton"),
                                  [this] { SpeedButtonGravarClick(); });
    SpeedButtonEdit = AddButton(QStringLiteral("SpeedButtonEdit"),
                                QStringLiteral("composetoolbutton"),
                                [this] { SpeedButtonEditClick(); });
    SetupLabels();
}

TAtualizacaoValoresFrameAdapter::~TAtualizacaoValoresFrameAdapter() = default;

void TAtualizacaoValoresFrameAdapter::prepareControls()
{
    m_managerControl->SetProcFillListControl([this] { fillListControl(); });
    m_managerControl->Clear();
    enabledControls();
}

void TAtualizacaoValoresFrameAdapter::fillListControl()
{
    TManagerControl &manager = *m_managerControl;
    manager.Bind(DateEditVigenciaAtual, LabelVigenciaAtual->text()).MaxLength(10).Disabled();
    manager.Bind(EditValorAtual, LabelValorAtual->text())
        .Format(TFormatterEdit::Valor)
        .Decimals(2)
        .Default(QStringLiteral("0"))
        .Disabled();
    manager.Bind(DateEditVigenciaNova, LabelVigenciaNova->text())
        .MaxLength(10)
        .Default(DateToStr(Date()));
    manager.Bind(EditPercentual, LabelPercentual->text())
        .Format(TFormatterEdit::Valor)
        .Decimals(4)
        .Default(QStringLiteral("0"))
        .OnChange([this](QObject *) {
            linkPercentual(EditValorAtual, EditPercentual, EditNovoValor, m_calculando);
        });
    manager.Bind(EditNovoValor, LabelNovoValor->text())
        .Format(TFormatterEdit::Valor)
        .Decimals(2)
        .Default(QStringLiteral("0"))
        .OnChange([this](QObject *) {
            linkNovoValor(EditValorAtual, EditPercentual, EditNovoValor, m_calculando);
        });
}

void TAtualizacaoValoresFrameAdapter::linkNovoValor(TEdit *AAtual,
                                                    TEdit *APercentual,
                                                    TEdit *ANovo,
                                                    bool &AGuard)
{
    if (AGuard)
        return;
    AGuard = true;
    if (const auto percentual = TAtualizacaoValoresPercentual(AAtual->text(), ANovo->text()))
        APercentual->setText(*percentual);
    AGuard = false;
}

void TAtualizacaoValoresFrameAdapter::linkPercentual(TEdit *AAtual,
                                                     TEdit *APercentual,
                                                     TEdit *ANovo,
                                                     bool &AGuard)
{
    if (AGuard)
        return;
    AGuard = true;
    if (const auto novo = TAtualizacaoValoresNovoValor(AAtual->text(), APercentual->text()))
        ANovo->setText(*novo);
    AGuard = false;
}

TItemControl *TAtualizacaoValoresFrameAdapter::FindItemControl(const QString &AComponentName) const
{
    return m_managerControl->FindItemControl(AComponentName);
}

void TAtualizacaoValoresFrameAdapter::enabledControls()
{
    EditValorAtual->setEnabled(false);
    DateEditVigenciaAtual->setEnabled(false);
    EditNovoValor->setEnabled(EmEdicao);
    EditPercentual->setEnabled(EmEdicao);
    DateEditVigenciaNova->setEnabled(EmEdicao);
}

void TAtualizacaoValoresFrameAdapter::SpeedButtonEditClick()
{
    if (!ProcEditar)
        return;
    ProcEditar(this);
    EmEdicao = true;
    enabledControls();
}

void TAtualizacaoValoresFrameAdapter::SpeedButtonGravarClick()
{
    if (!ProcSalvar)
        return;
    ProcSalvar(this);
    EmEdicao = false;
    enabledControls();
}

void TAtualizacaoValoresFrameAdapter::SpeedButtonRemoverClick()
{
    if (ProcRemover)
        ProcRemover(this);
}
