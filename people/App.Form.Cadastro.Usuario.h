#pragma once

#include "App.Base.Form.Cadastro.h"

#include "Common.Base.Types.h"

#include <QStringList>

#include <memory>

class TCheckBox;
class TComboBox;
class TEdit;
class TEmpresaDto;
class TFormSubCadastroUsuarioFormaBaixaConta;
class TLabel;
class TTabControl;
class TTabItem;
class TUsuarioContaPresenter;
class TUsuarioEmpresaPerfilPermissaoPresenter;
class TUsuarioEmpresaPresenter;
class TUsuarioPresenter;

// "Cadastro de Usuários": lists users and edits one user with its person and login, the companies
// it may enter, the access profiles it holds per company, its accounts and its settlement
// methods, saved together as one aggregate. A user row resets that user's password; a new user is
// shown the default access password of "zunta_conf.ini".
class TFormCadastroUsuario final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroUsuario(QWidget *AParent = nullptr);
    ~TFormCadastroUsuario() override;

    // "Informações Iniciais"
    TLabel *LabelPessoa;
    TEdit *EditPessoa;
    TLabel *LabelLogin;
    TEdit *EditLogin;
    TLabel *LabelSenhaDefault;
    TEdit *EditSenhaDefault;
    // Holder of the groups not shown.
    TTabControl *TabControlGrupos;
    // "Empresas"
    TTabItem *TabItemUsuarioEmpresa;
    TVertScrollBox *VertScrollBoxUsuarioEmpresa;
    // "Perfis de Acesso"
    TTabItem *TabItemUsuarioEmpresaPerfilPermissao;
    TVertScrollBox *VertScrollBoxUsuarioEmpresaPerfilPermissao;
    TLabel *Label4;
    TComboBox *ComboBoxEmpresa;
    TLabel *LabelPerfilPermissao;
    TEdit *EditPerfilPermissao;
    TSpeedButton *SpeedButtonAddPerfilPermissao;
    TVertScrollBox *VertScrollBoxDadosPerfilPermissao;
    // "Conta"
    TTabItem *TabItemUsuarioConta;
    TVertScrollBox *VertScrollBoxUsuarioConta;
    TLabel *LabelConta;
    TEdit *EditConta;
    TSpeedButton *SpeedButtonAddUsuarioConta;
    TVertScrollBox *VertScrollBoxDadosUsuarioConta;

    TFormSubCadastroUsuarioFormaBaixaConta *FormFormaBaixaConta() const { return m_formaBaixa; }
    TUsuarioEmpresaPresenter &EmpresaPresenter() const { return *FEmpresaPresenter; }
    TUsuarioEmpresaPerfilPermissaoPresenter &EmpresaPermissaoPresenter() const
    {
        return *FEmpresaPermissaoPresenter;
    }
    TUsuarioContaPresenter &UsuarioContaPresenter() const { return *FUsuarioContaPresenter; }
    const QStringList &ListEmpresaRemove() const { return FListEmpresaRemove; }
    const QStringList &ListEmpresaPermissaoRemove() const { return FListEmpresaPermissaoRemove; }
    const QStringList &ListUsuarioContaRemove() const { return FListUsuarioContaRemove; }

    void SpeedButtonAddPerfilPermissaoClick();
    void SpeedButtonAddUsuarioContaClick();

    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void fillTopText() override;
    void executeNovo(QObject *Sender) override;
    void afterFillForm() override;
    void afterChangeTab() override;
    void afterClearForm() override;
    void changeListMenuGrupo() override;
    void afterFormCreate() override;

protected:
    void FormCreate() override;

private:
    TUsuarioPresenter &presenterUsuario() const;
    // The default access password of a new user, decoded; empty without one in the file.
    void showSenhaDefault(bool AShow);
    void fillComboEmpresa();
    // The three child lists of the user in the edit tab, from the back end.
    void loadChildLists();
    // Rebuilds a row list from its table without asking the back end.
    void rebuildRows(TFrameList &AList, bool AToTop);
    // Row actions: each needs the insert or the edit permission.
    void requireRowPermission() const;
    void empresaAtivoChanged(TFrameBaseAdapter *AFrame);
    void removeEmpresa(TFrameBaseAdapter *AFrame);
    void removePerfilPermissao(TFrameBaseAdapter *AFrame);
    void contaPadraoChanged(TFrameBaseAdapter *AFrame);
    void removeConta(TFrameBaseAdapter *AFrame);
    void resetSenha(TFrameBaseAdapter *AFrame);

    TFormSubCadastroUsuarioFormaBaixaConta *m_formaBaixa = nullptr;
    QStringList FListEmpresaRemove;
    QStringList FListEmpresaPermissaoRemove;
    QStringList FListUsuarioContaRemove;
    // The presenters before the row lists: a list reads through its presenter until it goes.
    std::unique_ptr<TUsuarioEmpresaPresenter> FEmpresaPresenter;
    std::unique_ptr<TUsuarioEmpresaPerfilPermissaoPresenter> FEmpresaPermissaoPresenter;
    std::unique_ptr<TUsuarioContaPresenter> FUsuarioContaPresenter;
    std::unique_ptr<TFrameList> FFrameListEmpresa;
    std::unique_ptr<TFrameList> FFrameListEmpresaPermissao;
    std::unique_ptr<TFrameList> FFrameListUsuarioConta;
    // The companies of the combo, in its order after "SELECIONE".
    TObjectList<TEmpresaDto> m_empresas;
};
