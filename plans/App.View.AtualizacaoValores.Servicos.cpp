#include "App.View.AtualizacaoValores.Servicos.h"

#include "App.Adapter.Frame.AtualizacaoValores.Servicos.h"
#include "App.Presenter.AtualizacaoValores.Servicos.h"

#include "App.Lib.ManagerControls.h"

#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormViewAtualizacaoValoresServicos)

TFormViewAtualizacaoValoresServicos::TFormViewAtualizacaoValoresServicos(QWidget *AParent)
    : TFormViewAtualizacaoValores(QStringLiteral("TFormViewAtualizacaoValoresServicos"), AParent)
{
    setWindowTitle(QStringLiteral("ATUALIZAÇÃO DE VALORES DE SERVIÇOS"));
}

void TFormViewAtualizacaoValoresServicos::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TServicosAtualizacaoValoresPresenter>());
    TFormViewAtualizacaoValores::SetInfoPresenter();
}

void TFormViewAtualizacaoValoresServicos::fillListControl()
{
    FPresenter->ManagerControls()
        .Bind(EditDescricao, QStringLiteral("Serviço"))
        .Upper()
        .IgnoreSave()
        .Caption(LabelDescricao)
        .Lookup(QStringLiteral("TPesquisaServico"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            if (AEvent == TTypeEventProc::epSearch)
                pesquisaRegistro(ARecord);
        });
    TFormViewAtualizacaoValores::fillListControl();
}

TAtualizacaoValoresFrameAdapter *TFormViewAtualizacaoValoresServicos::newFrame()
{
    return new TServicosAtualizacaoValoresFrameAdapter(VertScrollBoxDados);
}
