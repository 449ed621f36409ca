#pragma once

#include <memory>

class TFormSubCadastroUsuarioFormaBaixaConta;
class TMemTable;
class TUsuarioPresenter;

// Wires the user presenter with the user window's settlement sub-form, once, as a fluent chain
// inside the window's SetInfoPresenter: the sub-form's removals land in the user presenter's
// remove list, and the user presenter reads the sub-form's table when it saves.
class TUsuarioConnector final
{
public:
    // A new connector for the window's sub-form (not owned).
    static std::unique_ptr<TUsuarioConnector> New(TFormSubCadastroUsuarioFormaBaixaConta *AForm);

    // Keeps the presenter (not owned) and hands its settlement remove list to the sub-form's
    // presenter.
    TUsuarioConnector &SetPresenterUsuario(TUsuarioPresenter *APresenter);
    // The presenter kept reads that table when it saves; nothing without a presenter.
    TUsuarioConnector &SetDataSetUsuarioFormaBaixaConta(TMemTable *ADataSet);

private:
    explicit TUsuarioConnector(TFormSubCadastroUsuarioFormaBaixaConta *AForm);

    TFormSubCadastroUsuarioFormaBaixaConta *m_form;
    TUsuarioPresenter *m_presenter = nullptr;
};
