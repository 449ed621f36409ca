#pragma once

#include "App.Base.View.OperacaoContrato.h"

#include <QStringList>

#include <functional>

class TDateEdit;
class TEdit;
class TLabel;
class TRectangle;

// New membership cards for members chosen in the members' report: one new validity for all of
// them, charged as one receipt of a service into a cash account, paid in cash or by cheque. The
// caller hosts the view modally; it closes itself after one attempt, accepted or not.
class TFormSubViewEmissaoCartao final : public TFormBaseViewOperacaoContrato
{
public:
    explicit TFormSubViewEmissaoCartao(QWidget *AParent = nullptr);

    // A view without owner (the caller frees it after hosting it).
    static TFormSubViewEmissaoCartao *New();
    // The members' ids as decimal texts, kept by reference: the list must outlive the view.
    TFormSubViewEmissaoCartao &SetIds(const QStringList &AIds);
    TFormSubViewEmissaoCartao &SetProcSucessoValidadeCartao(std::function<void()> AProcSucesso);
    TFormSubViewEmissaoCartao &SetProcErroValidadeCartao(std::function<void()> AProcErro);
    TFormSubViewEmissaoCartao &Execute() { return *this; }

    TLabel *LabelServico;
    TEdit *EditServico;
    TLabel *LabelValorServico;
    TEdit *EditValorServico;
    TLabel *LabelData;
    TDateEdit *DateEditData;
    TLabel *LabelContaEntrada;
    TEdit *EditContaEntrada;
    TLabel *LabelListaFormaPagamento;
    TEdit *EditListaFormaPagamento;
    TRectangle *RectangleChequeRecebimento;
    TLabel *LabelChequeRecebimento;
    TLabel *LabelBancoChequeRecebimento;
    TEdit *EditBancoChequeRecebimento;
    TLabel *LabelAgenciaChequeRecebimento;
    TEdit *EditAgenciaChequeRecebimento;
    TLabel *LabelContaChequeRecebimento;
    TEdit *EditContaChequeRecebimento;
    TLabel *LabelNumeroChequeRecebimento;
    TEdit *EditNumeroChequeRecebimento;
    TLabel *LabelDataChequeRecebimento;
    TDateEdit *DateEditDataChequeRecebimento;
    TLabel *LabelNomeChequeRecebimento;
    TEdit *EditNomeChequeRecebimento;
    TLabel *LabelVencimentoChequeRecebimento;
    TDateEdit *DateEditVencimentoChequeRecebimento;

    void RectangleGravarClick() override;

protected:
    std::unique_ptr<TBasePresenter> createPresenter() override;
    void fillListControl() override;
    void FormCreate() override;

private:
    std::int64_t idDe(const char *AControl) const;
    void fechar();

    const QStringList *FList = nullptr;
    std::function<void()> FProcSucesso;
    std::function<void()> FProcErro;
};
