#pragma once

#include "App.Base.Form.View.h"

#include <cstdint>
#include <memory>

class TAlteracaoTituloCarteiraComplexPost;
class TCarteiraPresenter;
class TEdit;
class TLabel;
class TRectangle;

// "ALTERAÇÃO DE CARTEIRA": moves the chosen instalment titles to another portfolio in one
// request. The caller (the contract receipt window) creates it, sets IdCarteira to the titles'
// current portfolio, adds each title with addParcelaTitulo and hosts it.
class TFormSubViewAlteracaoTituloCarteira final : public TFormBaseView
{
public:
    explicit TFormSubViewAlteracaoTituloCarteira(QWidget *AParent = nullptr);
    ~TFormSubViewAlteracaoTituloCarteira() override;

    TLabel *LabelCarteira;
    TEdit *EditCarteira;
    TRectangle *RectangleGravar;
    TLabel *LabelGravar;

    std::int64_t IdCarteira() const { return FIdCarteira; }
    // Keeps the id and looks that portfolio up in "Nova Carteira".
    void SetIdCarteira(std::int64_t AValue);
    // Adds the instalment title unless it is already in the body.
    void addParcelaTitulo(std::int64_t AId);
    // The body as it will be sent (the portfolio is read from the lookup on saving).
    const TAlteracaoTituloCarteiraComplexPost &ComplexPost() const { return *FComplexPost; }

    // The save button: asks, then sends the move on a worker; on success shows the success
    // message and closes, on a refusal shows its text and stays open with the body unchanged.
    void RectangleGravarClick();

    void ApplyThemeApp() override;

protected:
    void FormCreate() override;

private:
    std::unique_ptr<TAlteracaoTituloCarteiraComplexPost> FComplexPost;
    std::unique_ptr<TCarteiraPresenter> FPresenter;
    std::int64_t FIdCarteira = 0;
};
