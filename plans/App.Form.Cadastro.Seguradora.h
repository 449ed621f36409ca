#pragma once

#include "App.Base.Form.Cadastro.h"

class TDateEdit;
class TEdit;
class TEditButton;
class TFormSubCadastroPlanoSeguradora;
class TLabel;

// "Cadastro de Seguradoras": lists, creates, edits and removes the insurers. An insurer (a
// person of the registry with its contract data and SFTP access) is saved as one aggregate with
// its insurer plans, edited in the embedded insurer-plan window (group "Planos da
// Seguradora"). The SFTP password is shown plain and travels encoded.
class TFormCadastroSeguradora final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroSeguradora(QWidget *AParent = nullptr);

    TLabel *LabelPessoa;
    TEdit *EditPessoa;
    TLabel *LabelCodigoContrato;
    TEdit *EditCodigoContrato;
    TLabel *LabelCodigoClienteCapitalizacao;
    TEdit *EditCodigoClienteCapitalizacao;
    TLabel *LabelDataContrato;
    TDateEdit *DateEditDataContrato;
    TLabel *LabelDiaBaseRepasse;
    TEdit *EditDiaBaseRepasse;
    TLabel *LabelHostFtp;
    TEdit *EditHostFtp;
    TLabel *LabelPortFtp;
    TEdit *EditPortFtp;
    TLabel *LabelLoginFtp;
    TEdit *EditLoginFtp;
    TLabel *LabelPasswordFtp;
    TEdit *EditPasswordFtp;
    TEditButton *PasswordEditButtonFtp;
    TLabel *LabelDataUltimaTroca;
    TDateEdit *DateEditDataUltimaTroca;

    // Whether EditPasswordFtp holds the encoded password (true) or the plain one.
    bool IsCryptPasswordFtp = false;

    TFormSubCadastroPlanoSeguradora *FormSubCadastroPlanoSeguradora() const
    {
        return m_planoSeguradora;
    }

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void fillTopText() override;
    void afterFormCreate() override;
    void changeListMenuGrupo() override;
    void afterClearForm() override;
    void afterFillForm() override;
    void beforeSave() override;

private:
    void decodePasswordFtp();
    void encodePasswordFtp();

    // The focus entered EditPasswordFtp and has not left it yet.
    bool m_isInPasswordFtp = false;
    // A child of this window, created in FormCreate.
    TFormSubCadastroPlanoSeguradora *m_planoSeguradora = nullptr;
};
