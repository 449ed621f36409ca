#include "App.Form.SubCadastro.BeneficiarioDependenteContrato.h"

#include "App.Adapter.Frame.BeneficiarioDependenteContrato.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.BeneficiarioDependenteContrato.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormSubCadastroBeneficiarioDependenteContrato)

TFormSubCadastroBeneficiarioDependenteContrato::TFormSubCadastroBeneficiarioDependenteContrato(
    QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroBeneficiarioDependenteContrato"),
                           AParent)
{
    setWindowTitle(QStringLiteral("Beneficiários do Segurado"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelPessoa, EditPessoa, u"Pessoa", 8, 8, 460);
    place.Field(LabelListaParentesco, EditListaParentesco, u"ListaParentesco", 8, 66, 280);
    place.Field(LabelPercentualParticipacao,
                EditPercentualParticipacao,
                u"PercentualParticipacao",
                300,
                66,
                168);
    place.Field(LabelDataInicial, DateEditDataInicial, u"DataInicial", 8, 124, 160);
    place.Field(LabelDataFinal, DateEditDataFinal, u"DataFinal", 180, 124, 160);
    place.Field(LabelListaMotivo, EditListaMotivo, u"ListaMotivo", 8, 182, 460);
}

void TFormSubCadastroBeneficiarioDependenteContrato::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TBeneficiarioDependenteContratoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroBeneficiarioDependenteContrato::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditPessoa, QStringLiteral("Beneficiário"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaPessoa"), QStringLiteral("NEP"))
        .Cadastro(QStringLiteral("TFormCadastroPessoa"))
        .Caption(LabelPessoa);
    manager.Bind(EditListaParentesco, QStringLiteral("Parentesco"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("PARENTESCO"))
        .Caption(LabelListaParentesco);
    manager.Bind(EditPercentualParticipacao, QStringLiteral("% Participação"))
        .Required()
        .Format(TFormatterEdit::Valor)
        .Decimals(4)
        .MaxLength(15)
        .Caption(LabelPercentualParticipacao);
    manager.Bind(DateEditDataInicial, QStringLiteral("Data de Início"))
        .Required()
        .MaxLength(10)
        .Default(DateToStr(Date()))
        .Caption(LabelDataInicial);
    manager.Bind(DateEditDataFinal, QStringLiteral("Data de Encerramento"))
        .MaxLength(10)
        .Caption(LabelDataFinal);
    manager.Bind(EditListaMotivo, QStringLiteral("Motivo do Encerramento"))
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_MOTIVO"))
        .Caption(LabelListaMotivo);
}

void TFormSubCadastroBeneficiarioDependenteContrato::fillFrameItem(TMemTable &ADataSet,
                                                                   TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TBeneficiarioDependenteContratoFrameAdapter>(VertScrollBoxDados,
                                                                                 ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroBeneficiarioDependenteContrato::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditPessoa);
}
