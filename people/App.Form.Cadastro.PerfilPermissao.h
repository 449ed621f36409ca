#pragma once

#include "App.Base.Form.Cadastro.h"

#include <QStringList>

#include <memory>
#include <vector>

class TComboBox;
class TEdit;
class TEditButton;
class TFormularioPerfilPermissaoPresenter;
class TLabel;
class TLayout;
class TMenuSistemaDto;
class TSpeedButton;
class TVertScrollBox;

// "Cadastro de Perfils de Permissionamentos do Sistema": lists the permission profiles and edits
// one: its name ("Informações Iniciais") and, per window of the system, its eight rights
// ("Permissões"). The windows are read again from the back end after every change of tab and then
// only filtered here, by top menu and window name, when the person starts the search; the profile
// is saved as an aggregate with every ticked or stored row of every window.
class TFormCadastroPerfilPermissao final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroPerfilPermissao(QWidget *AParent = nullptr);
    ~TFormCadastroPerfilPermissao() override;

    TLabel *LabelDescricao;
    TEdit *EditDescricao;
    TLayout *LayoutFormularioPerfilPermissao;
    TVertScrollBox *VertScrollBoxFormularioPerfilPermissao;
    TLabel *Label4;
    TComboBox *ComboBoxMenuSuperior;
    TLabel *LabelPesquisarFormulario;
    TEdit *EditPesquisarFormulario;
    TEditButton *ClearEditButtonFormulario;
    TEditButton *SearchEditButtonFormulario;
    TSpeedButton *ButtonMarcarTodas;
    TVertScrollBox *VertScrollBoxDadosFormulario;

    TFormularioPerfilPermissaoPresenter &FormularioPresenter() const
    {
        return *FFormularioPresenter;
    }
    const QStringList &ListFormularioRemove() const { return FListFormularioRemove; }

    void ButtonMarcarTodasClick(QObject *Sender);
    void ClearEditButtonFormularioClick(QObject *Sender);
    void ComboBoxMenuSuperiorChange(QObject *Sender);
    void EditPesquisarFormularioChangeTracking(QObject *Sender);
    void EditPesquisarFormularioKeyDown(QObject *Sender,
                                        int &Key,
                                        QChar &KeyChar,
                                        Qt::KeyboardModifiers Shift);
    void SearchEditButtonFormularioClick(QObject *Sender);

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void fillListControl() override;
    void afterFormCreate() override;
    void changeListMenuGrupo() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void fillTopText() override;
    void afterChangeTab() override;
    void afterClearForm() override;

private:
    // The permission rows of the record shown, read again from the back end.
    void reloadFormularios();
    // The rows built again from the table under its local filter, the view kept where it was.
    void rebuildFormularios();
    void fillFrameItemFormulario(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame);
    void alterarFormulario(TFrameBaseAdapter *AFrame);
    void inverterFormulario(TFrameBaseAdapter *AFrame);
    void removerFormulario(TFrameBaseAdapter *AFrame);

    QStringList FListFormularioRemove;
    std::unique_ptr<TFormularioPerfilPermissaoPresenter> FFormularioPresenter;
    std::unique_ptr<TFrameList> FFrameListFormulario;
    // The top menus offered by the combo, in its order after "SELECIONE".
    std::vector<std::unique_ptr<TMenuSistemaDto>> FMenus;
};
