#include "App.Connector.Usuario.h"

#include "App.Base.Presenter.SubCadastro.h"
#include "App.Form.SubCadastro.UsuarioFormaBaixaConta.h"
#include "App.Presenter.Usuario.h"

TUsuarioConnector::TUsuarioConnector(TFormSubCadastroUsuarioFormaBaixaConta *AForm)
    : m_form(AForm)
{ }

std::unique_ptr<TUsuarioConnector>
TUsuarioConnector::New(TFormSubCadastroUsuarioFormaBaixaConta *AForm)
{
    return std::unique_ptr<TUsuarioConnector>(new TUsuarioConnector(AForm));
}

TUsuarioConnector &TUsuarioConnector::SetPresenterUsuario(TUsuarioPresenter *APresenter)
{
    m_presenter = APresenter;
    if (m_presenter && m_form)
        m_form->PresenterSubCadastro()->SetListRemove(
            &m_presenter->ListRemoveUsuarioFormaBaixaConta());
    return *this;
}

TUsuarioConnector &TUsuarioConnector::SetDataSetUsuarioFormaBaixaConta(TMemTable *ADataSet)
{
    if (m_presenter)
        m_presenter->SetDataSetUsuarioFormaBaixaConta(ADataSet);
    return *this;
}
