#include "App.Form.Cadastro.Pessoa.h"

#include "App.Adapter.Frame.Pessoa.h"
#include "App.Connector.Pessoa.h"
#include "App.Form.SubCadastro.Contato.h"
#include "App.Form.SubCadastro.Endereco.h"
#include "App.Form.SubCadastro.PessoaIntegracaoApi.h"
#include "App.Lib.List.FillDados.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.Pessoa.h"
#include "Common.Lib.PictureText.h"
#include "Common.Lib.Utils.h"

#include "DateEdit.h"
#include "Desktop.h"
#include "Edit.h"
#include "Image.h"
#include "Label.h"
#include "ScrollBox.h"
#include "Shapes.h"
#include "SpeedButton.h"
#include "SysUtils.h"
#include "Layouts.h"

#include <QBuffer>
#include <QFile>
#include <QImage>

ZUNTA_REGISTER_FORM(TFormCadastroPessoa)

namespace {

constexpr int TamanhoMaximoFotoKB = 500;
constexpr int RespostaNao = 7;

} // namespace

TFormCadastroPessoa::TFormCadastroPessoa(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroPessoa"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Pessoas (Clientes / Fornecedores / Parceiros)"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelNome, EditNome, u"Nome", 8, 8, 569);
    place.Field(LabelDataNascimento, DateEditDataNascimento, u"DataNascimento", 8, 66, 140);
    place.Field(LabelListaSexo, EditListaSexo, u"ListaSexo", 160, 66, 200);
    place.Field(LabelCpfCnpj, EditCpfCnpj, u"CpfCnpj", 372, 66, 205);
    place.Field(LabelRg, EditRg, u"Rg", 8, 124, 200);
    place.Field(LabelListaEstadoCivil, EditListaEstadoCivil, u"ListaEstadoCivil", 220, 124, 357);
    place.Field(
        LabelListaNacionalidade, EditListaNacionalidade, u"ListaNacionalidade", 8, 182, 280);
    place.Field(LabelListaTipoPessoa, EditListaTipoPessoa, u"ListaTipoPessoa", 300, 182, 277);

    LabelFoto = place.Caption(QStringLiteral("LabelFoto"), 600, 8, QStringLiteral("Foto"));
    RectangleFoto
        = new TRectangle(VertScrollBoxControls->content(), QStringLiteral("RectangleFoto"));
    RectangleFoto->setPosition(600, 26);
    RectangleFoto->setSize(160, 186);
    ImageFoto = new TImage(RectangleFoto, QStringLiteral("ImageFoto"));
    ImageFoto->setAlign(TAlignLayout::Client);
    ImageFoto->setCursor(Qt::PointingHandCursor);
    ImageFoto->setToolTip(QStringLiteral("Clique para escolher a foto"));
    ImageFoto->OnClick = [this](QObject *Sender) { ImageFotoClick(Sender); };
    SpeedButtonExcluirFoto = new TSpeedButton(VertScrollBoxControls->content(),
                                              QStringLiteral("SpeedButtonExcluirFoto"));
    SpeedButtonExcluirFoto->setStyleLookup(QStringLiteral("trashtoolbutton"));
    SpeedButtonExcluirFoto->setPosition(766, 26);
    SpeedButtonExcluirFoto->setSize(34, 34);
    SpeedButtonExcluirFoto->OnClick
        = [this](QObject *Sender) { SpeedButtonExcluirFotoClick(Sender); };

    const TPlacement filtros(ToolBarFiltros, 24, 32);
    filtros.Field(LabelFilterListaTipoPessoa,
                  EditFilterListaTipoPessoa,
                  u"FilterListaTipoPessoa",
                  16,
                  8,
                  280);
}

TFormCadastroPessoa::~TFormCadastroPessoa() = default;

TPessoaPresenter &TFormCadastroPessoa::presenter() const
{
    return *static_cast<TPessoaPresenter *>(FPresenter.get());
}

void TFormCadastroPessoa::FormCreate()
{
    m_endereco = TFormBase::Create<TFormSubCadastroEndereco>(this);
    m_contato = TFormBase::Create<TFormSubCadastroContato>(this);
    m_integracao = TFormBase::Create<TFormSubCadastroPessoaIntegracaoApi>(this);
    RegisterSubCadastro(m_endereco);
    RegisterSubCadastro(m_contato);
    RegisterSubCadastro(m_integracao);
    TFormBaseCadastro::FormCreate();
    FListFillDados->AddFrameList(m_endereco->FrameList());
    FListFillDados->AddFrameList(m_contato->FrameList());
    FListFillDados->AddFrameList(m_integracao->FrameList());
}

void TFormCadastroPessoa::SetInfoPresenter()
{
    auto pessoa = TBasePresenter::Create<TPessoaPresenter>();
    SetIsComplexPost(true);
    TPessoaConnector::New(m_endereco->PresenterSubCadastro(),
                          m_contato->PresenterSubCadastro(),
                          m_integracao->PresenterSubCadastro())
        ->SetPresenterPessoa(pessoa.get())
        .SetDataSetEndereco(&m_endereco->DataSetSubCadastro())
        .SetDataSetContato(&m_contato->DataSetSubCadastro())
        .SetDataSetPessoaIntegracaoApi(&m_integracao->DataSetSubCadastro());
    SetPresenter(std::move(pessoa));
    TFormBaseCadastro::SetInfoPresenter();
}

void TFormCadastroPessoa::changeListMenuGrupo()
{
    TFormBaseCadastro::changeListMenuGrupo();
    AddMenuGrupo(QStringLiteral("Informações Iniciais"),
                 VertScrollBoxControls,
                 EditNome,
                 nullptr,
                 nullptr,
                 false);
    AddSubCadastro(QStringLiteral("Endereços"), m_endereco, nullptr, false, false);
    AddSubCadastro(QStringLiteral("Contatos"), m_contato, nullptr, false, false);
    AddSubCadastro(QStringLiteral("Integração API"), m_integracao, nullptr, false, false);
}

void TFormCadastroPessoa::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditNome);
}

void TFormCadastroPessoa::enablePanelFilter()
{
    TFormBaseCadastro::enablePanelFilter();
    FEnabledPanelFilter = true;
}

void TFormCadastroPessoa::fillListFilterControl()
{
    TFormBaseCadastro::fillListFilterControl();
    FPresenter->ManagerFilterControls()
        .Bind(EditFilterListaTipoPessoa, QStringLiteral("Tipo de Pessoa"))
        .IgnoreSave()
        .Upper()
        .MaxLength(50)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_PESSOA"))
        .Caption(LabelFilterListaTipoPessoa);
}

void TFormCadastroPessoa::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditNome, QStringLiteral("Nome Completo / Razão Social"))
        .Upper()
        .MaxLength(150)
        .Required()
        .Caption(LabelNome);
    manager.Bind(DateEditDataNascimento, QStringLiteral("Data de Nascimento"))
        .MaxLength(10)
        .Caption(LabelDataNascimento);
    manager.Bind(EditListaSexo, QStringLiteral("Sexo"))
        .Upper()
        .MaxLength(50)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("SEXO"))
        .Caption(LabelListaSexo);
    manager.Bind(EditCpfCnpj, QStringLiteral("CPF/CNPJ"))
        .Upper()
        .MaxLength(20)
        .Format(TFormatterEdit::CNPJorCPF)
        .Caption(LabelCpfCnpj);
    manager.Bind(EditRg, QStringLiteral("Carteira de Identidade"))
        .Upper()
        .MaxLength(30)
        .Caption(LabelRg);
    manager.Bind(EditListaEstadoCivil, QStringLiteral("Estado Civíl"))
        .Upper()
        .MaxLength(50)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("ESTADO_CIVIL"))
        .Caption(LabelListaEstadoCivil);
    manager.Bind(EditListaNacionalidade, QStringLiteral("Nacionalidade"))
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("NACIONALIDADE"))
        .Default(QStringLiteral("01"))
        .Caption(LabelListaNacionalidade);
    manager.Bind(EditListaTipoPessoa, QStringLiteral("Tipo de Pessoa"))
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_PESSOA"))
        .Default(QStringLiteral("01"))
        .Caption(LabelListaTipoPessoa);
}

void TFormCadastroPessoa::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TPessoaFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroPessoa::fillTopText()
{
    TFormBaseCadastro::fillTopText();
    LabelTopText->setText(EditNome->text());
}

void TFormCadastroPessoa::executeNovo(QObject *Sender)
{
    TFormBaseCadastro::executeNovo(Sender);
    // The defaults are list codes ("01"): each is looked up, so the record gets its entry.
    for (TEdit *lista : { EditListaNacionalidade, EditListaTipoPessoa }) {
        TItemControl *item = FPresenter->FindItemControl(lista->objectName());
        if (item && item->Id == 0 && !lista->text().isEmpty())
            item->ClickSearch();
    }
    clearFoto();
}

void TFormCadastroPessoa::afterClearForm()
{
    TFormBaseCadastro::afterClearForm();
    m_endereco->ClearSubForm(true, true);
    m_contato->ClearSubForm(true, true);
    m_integracao->ClearSubForm(true, true);
    clearFoto();
}

void TFormCadastroPessoa::afterFillForm()
{
    TFormBaseCadastro::afterFillForm();
    fillFoto();
}

void TFormCadastroPessoa::beforeSave()
{
    TFormBaseCadastro::beforeSave();
    QImage foto = ImageFoto->bitmap();
    if (foto.width() <= 0 || foto.height() <= 0)
        return;
    TUtils::GetImageResizeAndCompress(foto, TamanhoMaximoFotoKB);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    foto.save(&buffer, "PNG");
    presenter().Foto = TPictureText::FromBytes(png);
}

void TFormCadastroPessoa::afterSave()
{
    TFormBaseCadastro::afterSave();
    clearFoto();
}

void TFormCadastroPessoa::clearFoto()
{
    ImageFoto->clear();
    presenter().Foto.clear();
}

void TFormCadastroPessoa::fillFoto()
{
    if (presenter().Foto.isEmpty())
        return;
    presenter().RemoverFoto = false;
    // A stored photo that does not read leaves the photo area empty, without a message.
    ImageFoto->loadFromData(TPictureText::ToBytes(presenter().Foto));
}

void TFormCadastroPessoa::ImageFotoClick(QObject *Sender)
{
    (void)Sender;
    const QString arquivo = TFileDialogs::Current().OpenFileName(this, {}, {}, {});
    if (arquivo.isEmpty())
        return;
    // The name's ending tells the kind, whatever its letter case; a folder named "fotos.png"
    // makes no picture of what it holds.
    bool aceito = false;
    for (const char *extensao : { ".jpg", ".jpeg", ".png" })
        aceito = aceito || arquivo.endsWith(QLatin1String(extensao), Qt::CaseInsensitive);
    if (!aceito) {
        TAppUtils::MessageSystem(QStringLiteral(
            "WARNING:Extensão de arquivo inválido.\r\nFormatos aceitos: .jpg, .jpeg e .png"));
        return;
    }
    QFile file(arquivo);
    if (!file.open(QIODevice::ReadOnly) || !ImageFoto->loadFromData(file.readAll())) {
        TAppUtils::MessageSystem(
            QStringLiteral("WARNING:Não foi possível abrir a imagem escolhida.\r\n") + arquivo);
        return;
    }
    presenter().RemoverFoto = false;
}

void TFormCadastroPessoa::SpeedButtonExcluirFotoClick(QObject *Sender)
{
    (void)Sender;
    presenter().RemoverFoto = false;
    if (TAppUtils::MessageSystem(Format(QStringLiteral("QUESTION:Deseja realizar a %s?"),
                                        { QStringLiteral("exclusão da foto") }))
        == RespostaNao)
        return;
    clearFoto();
    presenter().RemoverFoto = true;
}
