#include "App.Form.Cadastro.Municipio.h"

#include "App.Adapter.Frame.Municipio.h"
#include "App.Form.Cadastro.UnidadeFederativa.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Pesquisa.Catalogo.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Municipio.h"

#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormCadastroMunicipio)

TFormCadastroMunicipio::TFormCadastroMunicipio(QWidget *AParent)
    : TFormBaseCascataCEP(QStringLiteral("TFormCadastroMunicipio"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Municípios"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelNome, EditNome, u"Nome", 8, 8, 569);
    place.Field(LabelUnidadeFederativa, EditUnidadeFederativa, u"UnidadeFederativa", 8, 66, 531);
    place.Field(LabelCodigoIbge, EditCodigoIbge, u"CodigoIbge", 8, 124, 150);
    place.Field(LabelDdd, EditDdd, u"Ddd", 170, 124, 80);
}

void TFormCadastroMunicipio::findUnidadeFederativa(const TCEP &ACep)
{
    if (FIsFillForm)
        return;
    // Copied first: ACep may be a reply that its owner lets go while this window still works.
    const TCEP cep = ACep;
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.FindItemControl(EditNome->objectName())->SetValueControl(cep.Localidade);
    manager.FindItemControl(EditCodigoIbge->objectName())->SetValueControl(cep.Ibge);
    manager.FindItemControl(EditDdd->objectName())->SetValueControl(cep.Ddd);
    TItemControl &unidadeFederativa = *manager.FindItemControl(EditUnidadeFederativa->objectName());
    unidadeFederativa.Clear();
    cascataCEP(
        unidadeFederativa,
        cep,
        [](const TCEP &ACep) {
            return TPesquisa::Create<TPesquisaUnidadeFederativa>()->FindBySigla(ACep.Uf);
        },
        [](QWidget *AForm, const TCEP &ACep) {
            if (auto *form = dynamic_cast<TFormCadastroUnidadeFederativa *>(AForm))
                form->fillSigla(ACep.Uf);
        });
}

void TFormCadastroMunicipio::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TMunicipioPresenter>());
    TFormBaseCascataCEP::SetInfoPresenter();
}

void TFormCadastroMunicipio::fillListControl()
{
    TFormBaseCascataCEP::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditNome, QStringLiteral("Município")).Required().Upper().Caption(LabelNome);
    manager.Bind(EditUnidadeFederativa, QStringLiteral("UF"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelUnidadeFederativa)
        .Lookup(QStringLiteral("TPesquisaUnidadeFederativa"))
        .Cadastro(QStringLiteral("TFormCadastroUnidadeFederativa"));
    manager.Bind(EditCodigoIbge, QStringLiteral("Código do IBGE"))
        .MaxLength(7)
        .Format(TFormatterEdit::Personalizado, QStringLiteral("#######"))
        .Caption(LabelCodigoIbge);
    manager.Bind(EditDdd, QStringLiteral("Ddd"))
        .MaxLength(3)
        .Format(TFormatterEdit::Personalizado, QStringLiteral("###"))
        .Caption(LabelDdd);
}

void TFormCadastroMunicipio::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TMunicipioFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCascataCEP::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroMunicipio::afterFormCreate()
{
    TFormBaseCascataCEP::afterFormCreate();
    SetControlFocus(EditNome);
}
