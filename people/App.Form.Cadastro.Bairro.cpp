#include "App.Form.Cadastro.Bairro.h"

#include "App.Adapter.Frame.Bairro.h"
#include "App.Form.Cadastro.Municipio.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Pesquisa.Catalogo.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Bairro.h"
#include "Common.Dto.Municipio.h"

#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroBairro)

TFormCadastroBairro::TFormCadastroBairro(QWidget *AParent)
    : TFormBaseCascataCEP(QStringLiteral("TFormCadastroBairro"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Bairros"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 8, 8, 569);
    place.Field(LabelMunicipio, EditMunicipio, u"Municipio", 8, 66, 531);
    place.Field(LabelUf, EditUf, u"Uf", 8, 124, 60);
}

void TFormCadastroBairro::findMunicipio(const TCEP &ACep)
{
    if (FIsFillForm)
        return;
    // Copied first: ACep may be a reply that its owner lets go while this window still works.
    const TCEP cep = ACep;
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.FindItemControl(EditDescricao->objectName())->SetValueControl(cep.Bairro);
    TItemControl &municipio = *manager.FindItemControl(EditMunicipio->objectName());
    municipio.Clear();
    cascataCEP(
        municipio,
        cep,
        [](const TCEP &ACep) {
            return TPesquisa::Create<TPesquisaMunicipio>()->FindByMunicipioUF(ACep.Localidade,
                                                                              ACep.Uf);
        },
        [](QWidget *AForm, const TCEP &ACep) {
            if (auto *form = dynamic_cast<TFormCadastroMunicipio *>(AForm))
                form->findUnidadeFederativa(ACep);
        });
}

void TFormCadastroBairro::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TBairroPresenter>());
    TFormBaseCascataCEP::SetInfoPresenter();
}

void TFormCadastroBairro::fillListControl()
{
    TFormBaseCascataCEP::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditDescricao, QStringLiteral("Bairro"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelDescricao);
    manager.Bind(EditMunicipio, QStringLiteral("Município"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelMunicipio)
        .Lookup(QStringLiteral("TPesquisaMunicipio"))
        .Cadastro(QStringLiteral("TFormCadastroMunicipio"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            const auto *municipio = AEvent == TTypeEventProc::epSearch
                ? dynamic_cast<const TMunicipioDto *>(ARecord)
                : nullptr;
            EditUf->setText(municipio ? municipio->Uf : QString());
        });
    manager.Bind(EditUf, QStringLiteral("UF")).Upper().IgnoreSave().Disabled().Caption(LabelUf);
}

void TFormCadastroBairro::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TBairroFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCascataCEP::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroBairro::afterFormCreate()
{
    TFormBaseCascataCEP::afterFormCreate();
    SetControlFocus(EditDescricao);
}
