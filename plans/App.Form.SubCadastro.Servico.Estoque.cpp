#include "App.Form.SubCadastro.Servico.Estoque.h"

#include "App.Adapter.Frame.Servico.Estoque.h"
#include "App.Presenter.Servico.Estoque.h"

#include "ScrollBox.h"
#include "SpeedButton.h"

TFormSubCadastroServicoEstoque::TFormSubCadastroServicoEstoque(QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroServicoEstoque"), AParent)
{
    setWindowTitle(QStringLiteral("Estoque"));
}

void TFormSubCadastroServicoEstoque::FormCreate()
{
    TFormBaseSubCadastro::FormCreate();
    for (TSpeedButton *button : { SpeedButtonNovo, SpeedButtonEditar, SpeedButtonSalvar }) {
        button->setEnabled(false);
        button->setVisible(false);
    }
}

void TFormSubCadastroServicoEstoque::executeNovo(QObject *Sender)
{
    (void)Sender;
}

void TFormSubCadastroServicoEstoque::executeEditar(QObject *Sender)
{
    (void)Sender;
}

void TFormSubCadastroServicoEstoque::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TServicoEstoquePresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroServicoEstoque::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TServicoEstoqueFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}
