#include "App.Form.SubCadastro.PessoaIntegracaoApi.h"

#include "App.Adapter.Frame.PessoaIntegracaoApi.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.PessoaIntegracaoApi.h"

#include "DateEdit.h"
#include "DateTime.h"
#include "Edit.h"
#include "FormatSettings.h"
#include "Label.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormSubCadastroPessoaIntegracaoApi)

TFormSubCadastroPessoaIntegracaoApi::TFormSubCadastroPessoaIntegracaoApi(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroPessoaIntegracaoApi"), AParent)
    , m_dataCriacao(DateToStr(Date()))
{
    setWindowTitle(QStringLiteral("INTEGRAÇÃO FINANCEIRA DO CLIENTE"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelIntegracaoApiFinanceira,
                EditIntegracaoApiFinanceira,
                u"IntegracaoApiFinanceira",
                8,
                8,
                531);
    place.Field(LabelCodigoClienteIntegracaoApi,
                EditCodigoClienteIntegracaoApi,
                u"CodigoClienteIntegracaoApi",
                8,
                66,
                300);
    place.Field(LabelDataInicial, DateEditDataInicial, u"DataInicial", 8, 124, 140);
    place.Field(LabelDataFinal, DateEditDataFinal, u"DataFinal", 160, 124, 140);
    place.Field(LabelMotivo, EditMotivo, u"Motivo", 8, 182, 531);
}

void TFormSubCadastroPessoaIntegracaoApi::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TPessoaIntegracaoApiPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroPessoaIntegracaoApi::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditIntegracaoApiFinanceira, QStringLiteral("API Financeira"))
        .Lookup(QStringLiteral("TPesquisaIntegracaoApiFinanceira"))
        .MaxLength(100)
        .Upper()
        .Required()
        .Caption(LabelIntegracaoApiFinanceira);
    manager.Bind(EditCodigoClienteIntegracaoApi, QStringLiteral("Código do Cliente na API"))
        .Upper()
        .MaxLength(100)
        .Disabled()
        .Caption(LabelCodigoClienteIntegracaoApi);
    manager.Bind(DateEditDataInicial, QStringLiteral("Data Inicial"))
        .MaxLength(10)
        .Required()
        .Default(m_dataCriacao)
        .Caption(LabelDataInicial);
    manager.Bind(DateEditDataFinal, QStringLiteral("Data Final"))
        .MaxLength(10)
        .Caption(LabelDataFinal);
    manager.Bind(EditMotivo, QStringLiteral("Descrição do Motivo"))
        .Lookup(QStringLiteral("TPesquisaMotivo"), QStringLiteral("08"))
        .MaxLength(100)
        .Upper()
        .Caption(LabelMotivo);
}

void TFormSubCadastroPessoaIntegracaoApi::fillFrameItem(TMemTable &ADataSet,
                                                        TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TPessoaIntegracaoApiFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroPessoaIntegracaoApi::fillTopText()
{
    TFormBaseSubCadastro::fillTopText();
    LabelTopText->setText(EditIntegracaoApiFinanceira->text());
}

void TFormSubCadastroPessoaIntegracaoApi::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditIntegracaoApiFinanceira);
}
