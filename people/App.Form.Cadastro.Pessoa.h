#pragma once

#include "App.Base.Form.Cadastro.h"

class TDateEdit;
class TEdit;
class TFormSubCadastroContato;
class TFormSubCadastroEndereco;
class TFormSubCadastroPessoaIntegracaoApi;
class TImage;
class TLabel;
class TPessoaPresenter;
class TRectangle;
class TSpeedButton;

// "Cadastro de Pessoas (Clientes / Fornecedores / Parceiros)": lists, creates, edits and removes
// the persons. A person is saved as one aggregate with the addresses, contacts and payment-API
// links of the three embedded windows, and with a photo, reduced before it is sent. Opened from
// a menu by class name or from the person lookups of other windows.
class TFormCadastroPessoa final : public TFormBaseCadastro
{
public:
    explicit TFormCadastroPessoa(QWidget *AParent = nullptr);
    ~TFormCadastroPessoa() override;

    TLabel *LabelNome;
    TEdit *EditNome;
    TLabel *LabelDataNascimento;
    TDateEdit *DateEditDataNascimento;
    TLabel *LabelListaSexo;
    TEdit *EditListaSexo;
    TLabel *LabelCpfCnpj;
    TEdit *EditCpfCnpj;
    TLabel *LabelRg;
    TEdit *EditRg;
    TLabel *LabelListaEstadoCivil;
    TEdit *EditListaEstadoCivil;
    TLabel *LabelListaNacionalidade;
    TEdit *EditListaNacionalidade;
    TLabel *LabelListaTipoPessoa;
    TEdit *EditListaTipoPessoa;
    TLabel *LabelFoto;
    TRectangle *RectangleFoto;
    TImage *ImageFoto;
    TSpeedButton *SpeedButtonExcluirFoto;
    TLabel *LabelFilterListaTipoPessoa;
    TEdit *EditFilterListaTipoPessoa;

    TFormSubCadastroEndereco *FormSubCadastroEndereco() const { return m_endereco; }
    TFormSubCadastroContato *FormSubCadastroContato() const { return m_contato; }
    TFormSubCadastroPessoaIntegracaoApi *FormSubCadastroPessoaIntegracaoApi() const
    {
        return m_integracao;
    }

    // Chooses a photo (.jpg, .jpeg or .png); a file that is no readable picture is refused and
    // leaves the photo as it was.
    void ImageFotoClick(QObject *Sender);
    // Removes the photo once the person confirms; the save then asks the back end to delete it.
    void SpeedButtonExcluirFotoClick(QObject *Sender);

protected:
    void FormCreate() override;
    void SetInfoPresenter() override;
    void changeListMenuGrupo() override;
    void afterFormCreate() override;
    void enablePanelFilter() override;
    void fillListFilterControl() override;
    void fillListControl() override;
    void fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame) override;
    void fillTopText() override;
    void executeNovo(QObject *Sender) override;
    void afterClearForm() override;
    void afterFillForm() override;
    void beforeSave() override;
    void afterSave() override;

private:
    TPessoaPresenter &presenter() const;
    void clearFoto();
    void fillFoto();

    // Children of this window, created in FormCreate.
    TFormSubCadastroEndereco *m_endereco = nullptr;
    TFormSubCadastroContato *m_contato = nullptr;
    TFormSubCadastroPessoaIntegracaoApi *m_integracao = nullptr;
};
