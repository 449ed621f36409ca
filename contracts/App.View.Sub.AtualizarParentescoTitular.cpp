#include "App.View.Sub.AtualizarParentescoTitular.h"

#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ListaSistema.h"
#include "Common.Dto.CancelamentoOrdemServico.h"
#include "Common.Entity.Pessoa.h"

#include "Edit.h"
#include "Label.h"
#include "SpeedButton.h"

#include <QFont>

ZUNTA_REGISTER_FORM(TFormSubViewAtualizarParentescoTitular)

TFormSubViewAtualizarParentescoTitular::TFormSubViewAtualizarParentescoTitular(QWidget *AParent)
    : TFormBaseViewOperacaoContrato(QStringLiteral("TFormSubViewAtualizarParentescoTitular"),
                                    AParent)
{
    setWindowTitle(QStringLiteral("ATUALIZAR PARENTESCO DO TITULAR ATUAL"));
    resize(761, 300);
    const TPlacement place(LayoutCampos, 18, 30);
    LabelTrocaParentesco = place.Caption(QStringLiteral("LabelTrocaParentesco"), 16, 8);
    LabelNomePessoa = place.Caption(QStringLiteral("LabelNomePessoa"), 16, 40);
    for (TLabel *banner : { LabelTrocaParentesco, LabelNomePessoa }) {
        QFont font = banner->font();
        font.setPixelSize(20);
        font.setBold(true);
        banner->setFont(font);
    }
    place.Field(LabelListaParentesco,
                EditListaParentesco,
                u"ListaParentesco",
                16,
                88,
                500,
                QStringLiteral("Novo Parentesco"));
}

std::unique_ptr<TBasePresenter> TFormSubViewAtualizarParentescoTitular::createPresenter()
{
    return TBasePresenter::Create<TListaSistemaPresenter>();
}

void TFormSubViewAtualizarParentescoTitular::fillListControl()
{
    FPresenter->ManagerControls()
        .Bind(EditListaParentesco, QStringLiteral("Novo Parentesco"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaParentesco)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("PARENTESCO"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            if (FCancelamentoDto)
                FNovoParentesco = AEvent == TTypeEventProc::epSearch && ARecord ? ARecord->Id : 0;
        });
}

void TFormSubViewAtualizarParentescoTitular::SetPessoa(const TPessoaEntity &APessoa)
{
    LabelTrocaParentesco->setText(
        QStringLiteral("PARA PROSSEGUIR É NECESSÁRIO ALTERAR O PARENTESCO DO TITULAR ATUAL"));
    LabelNomePessoa->setText(APessoa.Nome + QStringLiteral(" - CPF: ") + APessoa.CpfCnpj);
    LabelTrocaParentesco->adjustSize();
    LabelNomePessoa->adjustSize();
}

void TFormSubViewAtualizarParentescoTitular::RectangleGravarClick()
{
    if (FCancelamentoDto)
        FCancelamentoDto->ListaParentesco = FNovoParentesco;
    SpeedButtonClose->OnClick(SpeedButtonClose);
}
