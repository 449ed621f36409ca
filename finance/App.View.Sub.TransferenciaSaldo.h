#pragma once

#include "App.Base.Form.View.h"

#include <cstdint>
#include <memory>

class TDateEdit;
class TEdit;
class TLabel;
class TMemo;
class TRectangle;
class TTransferenciaSaldoDto;
class TTransferenciaSaldoPresenter;

// "TRANSFERÊNCIA DE SALDO ENTRE CONTAS": moves a value from one account to another. The origin's
// balance is known from its lookup, and a value above it asks before going on. The accounts,
// value and date must be filled, the value above 0 and the accounts different before anything is
// asked. The back end's answer is shown as it stands; an accepted transfer closes the dialog, a
// refused one leaves it open with its values. Hosted by the movement window in a container.
class TFormSubViewTransferenciaSaldo final : public TFormBaseView
{
public:
    explicit TFormSubViewTransferenciaSaldo(QWidget *AParent = nullptr);
    ~TFormSubViewTransferenciaSaldo() override;

    TLabel *LabelContaOrigem;
    TEdit *EditContaOrigem;
    TLabel *LabelContaDestino;
    TEdit *EditContaDestino;
    TLabel *LabelValor;
    TEdit *EditValor;
    TLabel *LabelData;
    TDateEdit *DateEditData;
    TLabel *LabelObservacao;
    TMemo *MemoObservacao;
    TRectangle *RectangleGravar;
    TLabel *LabelGravar;

    TTransferenciaSaldoPresenter &Presenter() const { return *FPresenter; }
    // The balance of the chosen origin account; 0 when none.
    double Saldo() const { return FSaldo; }
    bool Salvo() const { return FSalvo; }

    // Shown in the value, formatted, when above 0.
    void SetValorTransferenciaSugerida(double AValue);
    // Looked up as the origin, as if the user had chosen it, when above 0.
    void SetContaOrigemSugerida(std::int64_t AValue);

    void ApplyThemeApp() override;
    void SetFocusedPrincipalComponent() override;
    void RectangleGravarClick();
    void SpeedButtonCloseClick();

protected:
    void FormCreate() override;

private:
    void fillListControl();
    double valorInformado() const;
    // The record as the controls hold it now.
    void preencherTransferencia(TTransferenciaSaldoDto &ADto) const;

    std::unique_ptr<TTransferenciaSaldoPresenter> FPresenter;
    bool FSalvo = false;
    double FSaldo = 0;
    std::int64_t FContaOrigemSugerida = 0;
    double FValorTransferenciaSugerida = 0;
};
