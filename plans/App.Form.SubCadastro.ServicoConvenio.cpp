#include "App.Form.SubCadastro.ServicoConvenio.h"

#include "App.Adapter.Frame.ServicoConvenio.h"
#include "App.Lib.Exception.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ServicoConvenio.h"
#include "Common.Dto.Servico.h"

#include "Edit.h"
#include "FormatSettings.h"
#include "ScrollBox.h"

TFormSubCadastroServicoConvenio::TFormSubCadastroServicoConvenio(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroServicoConvenio"), AParent)
{
    setWindowTitle(QStringLiteral("Serviços"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelServico, EditServico, u"Servico", 8, 8, 569);
    place.Field(LabelValorServico, EditValorServico, u"ValorServico", 8, 66, 180);
}

void TFormSubCadastroServicoConvenio::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TServicoConvenioPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroServicoConvenio::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditServico, QStringLiteral("Serviço"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelServico)
        .Lookup(QStringLiteral("TPesquisaServico"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            ProcPesquisaServico(ARecord, AEvent);
        });
    manager.Bind(EditValorServico, QStringLiteral("Valor"))
        .IgnoreSave()
        .Format(TFormatterEdit::Valor)
        .Decimals(2)
        .MaxLength(15)
        .Disabled()
        .Caption(LabelValorServico);
}

void TFormSubCadastroServicoConvenio::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TServicoConvenioFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroServicoConvenio::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditServico);
}

void TFormSubCadastroServicoConvenio::afterSave()
{
    TFormBaseSubCadastro::afterSave();
    showValorServico(0);
}

void TFormSubCadastroServicoConvenio::ProcPesquisaServico(TBaseDto *ARecord, TTypeEventProc AEvent)
{
    // Called from inside the lookup: a failure is shown here and goes no further.
    TDravikHandleException::Guard([this, ARecord, AEvent] {
        const auto *servico = dynamic_cast<const TServicoDto *>(ARecord);
        if (AEvent == TTypeEventProc::epSearch && servico)
            showValorServico(servico->Valor);
        else if (AEvent == TTypeEventProc::epClear)
            showValorServico(0);
    });
}

void TFormSubCadastroServicoConvenio::showValorServico(double AValue)
{
    if (TItemControl *valor = FPresenter->FindItemControl(QStringLiteral("EditValorServico")))
        valor->SetValueControl(FormatFloat(QStringLiteral(",0.00"), AValue));
}
