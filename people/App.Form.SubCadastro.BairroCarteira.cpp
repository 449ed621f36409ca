#include "App.Form.SubCadastro.BairroCarteira.h"

#include "App.Adapter.Frame.BairroCarteira.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.BairroCarteira.h"
#include "Common.Dto.Bairro.h"

#include "DateEdit.h"
#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormSubCadastroBairroCarteira)

TFormSubCadastroBairroCarteira::TFormSubCadastroBairroCarteira(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroBairroCarteira"), AParent)
{
    setWindowTitle(QStringLiteral("Bairros"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelBairro, EditBairro, u"Bairro", 8, 8, 569);
    place.Field(LabelMunicipio, EditMunicipio, u"Municipio", 8, 66, 440);
    place.Field(LabelUf, EditUf, u"Uf", 460, 66, 117);
    place.Field(LabelDataInicial, DateEditDataInicial, u"DataInicial", 8, 124, 140);
    place.Field(LabelDataFinal, DateEditDataFinal, u"DataFinal", 160, 124, 140);
    place.Field(LabelMotivo, EditMotivo, u"Motivo", 8, 182, 569);
}

void TFormSubCadastroBairroCarteira::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TBairroCarteiraPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroBairroCarteira::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditBairro, QStringLiteral("Bairro"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelBairro)
        .Lookup(QStringLiteral("TPesquisaBairro"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            const auto *bairro = AEvent == TTypeEventProc::epSearch
                ? dynamic_cast<const TBairroDto *>(ARecord)
                : nullptr;
            EditMunicipio->setText(bairro ? bairro->Municipio : QString());
            EditUf->setText(bairro ? bairro->Uf : QString());
        });
    manager.Bind(EditMunicipio, QStringLiteral("Município"))
        .Upper()
        .MaxLength(100)
        .IgnoreSave()
        .Disabled()
        .Caption(LabelMunicipio);
    manager.Bind(EditUf, QStringLiteral("UF"))
        .Upper()
        .MaxLength(2)
        .IgnoreSave()
        .Disabled()
        .Caption(LabelUf);
    manager.Bind(DateEditDataInicial, QStringLiteral("Data Inicial"))
        .Required()
        .MaxLength(10)
        .Caption(LabelDataInicial);
    manager.Bind(DateEditDataFinal, QStringLiteral("Data Final"))
        .MaxLength(10)
        .Caption(LabelDataFinal);
    manager.Bind(EditMotivo, QStringLiteral("Motivo da Finalização"))
        .Upper()
        .MaxLength(100)
        .Caption(LabelMotivo)
        .Lookup(QStringLiteral("TPesquisaMotivo"), QStringLiteral("02"));
}

void TFormSubCadastroBairroCarteira::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TBairroCarteiraFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroBairroCarteira::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditBairro);
}
