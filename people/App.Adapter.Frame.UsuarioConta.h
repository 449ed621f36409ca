#pragma once

#include "App.Base.Adapter.Cadastro.h"

#include <cstdint>

class TCheckBox;

// A row of a user's account list: the account and whether it is one of the user's default
// accounts ("Padrão?"). Only the remove button is shown.
class TUsuarioContaFrameAdapter final : public TFrameBaseAdapterCadastro
{
    Q_OBJECT

public:
    explicit TUsuarioContaFrameAdapter(QWidget *AOwner = nullptr, const QString &name = {});

    TLabel *LabelConta;
    TCheckBox *CheckBoxPadraoConta;

    // The row's account.
    std::int64_t IdConta = 0;
    // Runs when the person ticks or unticks "Padrão?"; filling the row runs nothing.
    TProcFrame ProcCheckboxClick;

    void CheckBoxPadraoContaChange();

protected:
    void fillRow(const TMemTable &ADataSet) override;
};
