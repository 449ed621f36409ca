#include "App.Adapter.Frame.Pessoa.h"

#include "FormatSettings.h"
#include "Label.h"
#include "Layouts.h"
#include "MemTable.h"

TPessoaFrameAdapter::TPessoaFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelNome = AddHeadline(u"LabelNome", u"NOME");
    AddField(LabelTitleCpfCnpj, LabelCpfCnpj, { u"CpfCnpj", u"CPF/CNPJ:", 184, 254, 40 });
    AddField(LabelTitleDataNascimento,
             LabelDataNascimento,
             { u"DataNascimento", u"Data Nascimento:", 400, 520, 40 });
    AddField(LabelTitleTipoPessoa,
             LabelTipoPessoa,
             { u"TipoPessoa", u"Tipo de Pessoa:", 600, 710, 40, u"TIPO_PESSOA" });

    // The contract line: shown only for a person who belongs to a contract.
    LayoutInformacoesContrato
        = new TLayout(LabelNome->parentWidget(), QStringLiteral("LayoutInformacoesContrato"));
    LayoutInformacoesContrato->setPosition(184, 62);
    LayoutInformacoesContrato->setSize(600, 20);
    LabelNumeroContrato = AddLabel(QStringLiteral("LabelNumeroContrato"), {}, 184, 62);
    AddField(
        LabelTitleParentesco, LabelParentesco, { u"Parentesco", u"Parentesco:", 400, 480, 62 });
    for (TLabel *label : { LabelNumeroContrato, LabelTitleParentesco, LabelParentesco }) {
        const QPoint at = label->pos() - LayoutInformacoesContrato->pos();
        label->setParent(LayoutInformacoesContrato);
        label->move(at);
        label->show();
    }

    AddField(LabelTitleEndereco, LabelEndereco, { u"Endereco", u"Endereço:", 184, 254, 84 });
    AddField(LabelTitleTipoContato,
             LabelTipoContato,
             { u"TipoContato", u"Tipo de Contato:", 184, 300, 106, u"TIPO_CONTATO" });
    AddField(LabelTitleTelefone,
             LabelTelefone,
             { u"Telefone", u"Telefone:", 400, 470, 106, u"TELEFONE" });
    AddField(LabelTitleInternet,
             LabelInternet,
             { u"Internet", u"Internet:", 600, 670, 106, u"INTERNET" });
    // Four lines of values under the name.
    setSize(width(), 132);
    SetupLabels();
}

QString TPessoaFrameAdapter::CpfCnpjMascarado(const QString &ACpfCnpj)
{
    if (ACpfCnpj.size() < 12)
        return QStringLiteral("***.") + ACpfCnpj.mid(3, 3) + QStringLiteral(".***-")
            + ACpfCnpj.mid(9, 2);
    return QStringLiteral("**.") + ACpfCnpj.mid(2, 3) + QStringLiteral(".***/***")
        + ACpfCnpj.mid(11, 1) + u'-' + ACpfCnpj.mid(12, 2);
}

void TPessoaFrameAdapter::fillRow(const TMemTable &ADataSet)
{
    const auto text = [&ADataSet](const char *AColumn) {
        return ADataSet.FieldByName(QLatin1String(AColumn))->DisplayText();
    };
    QString endereco;
    if (!text("LOGRADOURO").isEmpty()) {
        endereco = text("LOGRADOURO") + QStringLiteral(", ") + text("NUMERO") + QStringLiteral(", ")
            + text("BAIRRO");
        if (!text("COMPLEMENTO").isEmpty())
            endereco += QStringLiteral(", ") + text("COMPLEMENTO");
    }
    LabelEndereco->setText(endereco);

    const TDateTime nascimento
        = ADataSet.FieldByName(QStringLiteral("DATA_NASCIMENTO"))->AsDateTime();
    LabelDataNascimento->setText(
        nascimento.Value() > 0 ? FormatDateTime(QStringLiteral("dd/mm"), nascimento) : QString());
    LabelCpfCnpj->setText(
        CpfCnpjMascarado(ADataSet.FieldByName(QStringLiteral("CPF_CNPJ"))->AsString()));

    const int contrato = ADataSet.FieldByName(QStringLiteral("NUMERO_CONTRATO"))->AsInteger();
    LayoutInformacoesContrato->setVisible(contrato > 0);
    if (contrato > 0) {
        LabelParentesco->setText(text("PARENTESCO"));
        LabelNumeroContrato->setText(
            (ADataSet.FieldByName(QStringLiteral("DEPENDENTE_ATIVO"))->AsBoolean()
                 ? QStringLiteral("Ativo no Contrato: ")
                 : QStringLiteral("Desativado no Contrato: "))
            + QString::number(contrato));
    }
}
