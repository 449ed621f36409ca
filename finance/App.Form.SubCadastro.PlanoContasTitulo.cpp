#include "App.Form.SubCadastro.PlanoContasTitulo.h"

#include "App.Adapter.Frame.PlanoContasTitulo.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.PlanoContasTitulo.h"

#include "Edit.h"
#include "ScrollBox.h"

TFormSubCadastroPlanoContasTitulo::TFormSubCadastroPlanoContasTitulo(QWidget *AParent)
    : TFormBaseSubCadastroTitulo(QStringLiteral("TFormSubCadastroPlanoContasTitulo"), AParent)
{
    setWindowTitle(QStringLiteral("Plano Contas"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelPlanoContas, EditPlanoContas, u"PlanoContas", 8, 8, 352);
    place.Field(LabelValor, EditValor, u"Valor", 8, 66, 180);
}

QString TFormSubCadastroPlanoContasTitulo::FiltroPlanoContas(const QString &ATipoTitulo)
{
    return ATipoTitulo == QLatin1String("R") ? QStringLiteral("C") : QStringLiteral("D");
}

double TFormSubCadastroPlanoContasTitulo::findValorInDataSet()
{
    return static_cast<TPlanoContasTituloPresenter *>(FPresenter.get())->findValorInDataSet();
}

void TFormSubCadastroPlanoContasTitulo::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TPlanoContasTituloPresenter>());
    TFormBaseSubCadastroTitulo::SetInfoPresenter();
}

void TFormSubCadastroPlanoContasTitulo::fillListControl()
{
    TFormBaseSubCadastroTitulo::fillListControl();
    FPresenter->ManagerControls()
        .Bind(EditPlanoContas, QStringLiteral("Plano de Contas"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelPlanoContas)
        .Lookup(QStringLiteral("TPesquisaPlanoContas"))
        .BeforeSearch([this](TItemControl *AItem) {
            AItem->ValueFixFilter = FiltroPlanoContas(m_tipoTitulo);
        });
    bindValor();
}

void TFormSubCadastroPlanoContasTitulo::fillFrameItem(TMemTable &ADataSet,
                                                      TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TPlanoContasTituloFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastroTitulo::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroPlanoContasTitulo::afterFormCreate()
{
    TFormBaseSubCadastroTitulo::afterFormCreate();
    SetControlFocus(EditPlanoContas);
}
