#include "App.Form.SubCadastro.FaixaHorarioComissao.h"

#include "App.Adapter.Frame.FaixaHorarioComissao.h"
#include "App.Form.SubCadastro.FaixaComissao.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.FaixaHorarioComissao.h"

#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

TFormSubCadastroFaixaHorarioComissao::TFormSubCadastroFaixaHorarioComissao(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroFaixaHorarioComissao"), AParent)
{
    setWindowTitle(QStringLiteral("Faixa Horário de Comissão"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelHoraInicial, EditHoraInicial, u"HoraInicial", 8, 8, 120);
    place.Field(LabelHoraFinal, EditHoraFinal, u"HoraFinal", 137, 8, 120);
}

void TFormSubCadastroFaixaHorarioComissao::FormCreate()
{
    FormFaixaComissao = TFormBase::Create<TFormSubCadastroFaixaComissao>(this);
    RegisterSubCadastro(FormFaixaComissao);
    TFormBaseSubCadastro::FormCreate();
}

void TFormSubCadastroFaixaHorarioComissao::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TFaixaHorarioComissaoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroFaixaHorarioComissao::changeListMenuGrupo()
{
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditHoraInicial,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(QStringLiteral("Faixas de Comissões"), FormFaixaComissao, nullptr, false, false);
}

void TFormSubCadastroFaixaHorarioComissao::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditHoraInicial, QStringLiteral("Hora Inicial"))
        .Required()
        .MaxLength(5)
        .Format(TFormatterEdit::Time)
        .Caption(LabelHoraInicial);
    manager.Bind(EditHoraFinal, QStringLiteral("Hora Final"))
        .Required()
        .MaxLength(5)
        .Format(TFormatterEdit::Time)
        .Caption(LabelHoraFinal);
}

void TFormSubCadastroFaixaHorarioComissao::fillFrameItem(TMemTable &ADataSet,
                                                         TFrameBaseAdapter *&AFrame)
{
    AFrame
        = TFrameBaseAdapter::New<TFaixaHorarioComissaoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroFaixaHorarioComissao::fillTopText()
{
    LabelTopText->setText(QStringLiteral("H.I.: ") + EditHoraInicial->text() + QStringLiteral(" - ")
                          + QStringLiteral("H.F.: ") + EditHoraFinal->text());
}

void TFormSubCadastroFaixaHorarioComissao::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditHoraInicial);
}
