#include "Common.ComplexPost.DependenteContrato.ValidadeCartao.h"
#include "Common.FilterClass.Contrato.h"
#include "Common.FilterClass.DependenteContrato.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "support/TestTexts.h"

#include <gtest/gtest.h>

namespace {

QJsonObject filterJsonOf(const TSerializeObject &AObject)
{
    return QJsonDocument::fromJson(AObject.AsJson().toUtf8()).object();
}

// A filter nobody filled sends every text empty and its list as an empty wrapper, never null.
TEST(ContratoFilterClassTest, FreshFiltersWriteEmptyTextsAndEmptyLists)
{
    struct Case
    {
        const char *name;
        std::unique_ptr<TSerializeObject> filter;
        const char *list;
        int members;
    };
    Case cases[] = {
        { "Contrato", std::make_unique<TContratoFilterClass>(), "listaDependenteContratos", 64 },
        { "DependenteContrato",
          std::make_unique<TDependenteContratoFilterClass>(),
          "listaIds",
          22 },
    };
    for (const Case &c : cases) {
        const QJsonObject json = filterJsonOf(*c.filter);
        EXPECT_EQ(json.size(), c.members) << c.name;
        for (auto it = json.begin(); it != json.end(); ++it) {
            if (it.key() == QLatin1String(c.list) || it.key() == QLatin1String("nameClass"))
                continue;
            EXPECT_EQ(it.value(), QJsonValue(QString())) << c.name << " " << it.key().toStdString();
        }
        EXPECT_TRUE(json.value(QLatin1String(c.list)).isObject()) << c.name;
        EXPECT_TRUE(listOf(json, c.list).isEmpty()) << c.name;
    }
}

TEST(ContratoFilterClassTest, MembersTravelInTheFilterOrder)
{
    const QString json = TContratoFilterClass().AsJson();
    EXPECT_TRUE(json.startsWith(QStringLiteral(R"({"idColaborador":"","idMunicipio":"",)")));
    EXPECT_TRUE(json.contains(QStringLiteral(
        R"("contratosSemPagamentos":"","listaCarencia":"","dataFinalTransferencia":"",)")));
    EXPECT_TRUE(json.endsWith(QStringLiteral(
        R"("periodoFinal":"","periodoInicial":"","nameClass":"TContratoFilterClass"})")))
        << json.toStdString();
    // Filter controls reach every criterion by its property name.
    for (const char *name : { "IdColaborador", "ListaCarencia", "PeriodoInicial" })
        EXPECT_TRUE(TContratoFilterClass::StaticClassInfo().FindProperty(QString::fromLatin1(name)))
            << name;
}

TEST(ContratoFilterClassTest, CodeWritesOneContractAsItsIdTwice)
{
    TContratoFilterClass filter;
    filter.IdContrato = TContratoFilterClass::FilterTextOfId(7);
    filter.IdDependenteContrato = TContratoFilterClass::FilterTextOfId(12345678901);
    filter.ListaDependenteContratos->push_back(12345678901);
    const QJsonObject json = filterJsonOf(filter);
    EXPECT_EQ(json.value("idContrato").toString(), QStringLiteral("7#7"));
    EXPECT_EQ(json.value("idDependenteContrato").toString(),
              QStringLiteral("12345678901#12345678901"));
    EXPECT_EQ(listOf(json, "listaDependenteContratos"), QJsonArray { qint64(12345678901) });
}

// A card print with model 1, then a card receipt on the same object: the print's values stay.
TEST(DependenteContratoFilterClassTest, CardModelsAreBooleanTextsAndStayForTheNextPrint)
{
    TDependenteContratoFilterClass filter;
    filter.IdPlano = TDependenteContratoFilterClass::FilterText(QStringLiteral("25"));
    filter.IdContrato = TDependenteContratoFilterClass::FilterText(QStringLiteral("7"));
    filter.IsCartaoPvcModelo1 = TDependenteContratoFilterClass::FilterTextOfBoolean(true);
    filter.IsCartaoPvcModelo2 = TDependenteContratoFilterClass::FilterTextOfBoolean(false);
    filter.IsCartaoPvcModelo3 = TDependenteContratoFilterClass::FilterTextOfBoolean(false);
    filter.IsCartaoPvcModelo4 = TDependenteContratoFilterClass::FilterTextOfBoolean(false);
    *filter.ListaIds = QStringList { "11", "12345678901" };
    *filter.ListaIds = QStringList { "13" };

    const QJsonObject json = filterJsonOf(filter);
    EXPECT_EQ(json.value("idPlano").toString(), QStringLiteral("25#25"));
    EXPECT_EQ(json.value("idContrato").toString(), QStringLiteral("7#7"));
    EXPECT_EQ(json.value("isCartaoPvcModelo1").toString(), QStringLiteral("-1#-1"));
    for (const char *other : { "isCartaoPvcModelo2", "isCartaoPvcModelo3", "isCartaoPvcModelo4" })
        EXPECT_EQ(json.value(other).toString(), QStringLiteral("0#0")) << other;
    EXPECT_EQ(listOf(json, "listaIds"), QJsonArray { "13" });
    EXPECT_TRUE(json.contains("quantEmBranco"));
}

// The renewal request names the members by their ids as texts and carries no amount.
TEST(ValidadeCartaoDependenteContratoComplexPostTest, MembersTravelAsTexts)
{
    TValidadeCartaoDependenteContratoComplexPost validade;
    validade.IdServico = 12345678901;
    validade.NumeroChequeRecebimento = 77;
    *validade.ListDependenteContrato = QStringList { "11", "12" };
    const QJsonObject json = filterJsonOf(validade);
    EXPECT_EQ(listOf(json, "listDependenteContrato"), (QJsonArray { "11", "12" }));
    EXPECT_EQ(json.value("idServico").toInteger(), 12345678901);
    EXPECT_EQ(json.value("numeroChequeRecebimento").toInt(), 77);
    const QStringList members { "vencimentoChequeRecebimento",
                                "idBancoChequeRecebimento",
                                "numeroChequeRecebimento",
                                "idContaEntrada",
                                "listaFormaPagamento",
                                "contaChequeRecebimento",
                                "dataValidadeCartao",
                                "nomeChequeRecebimento",
                                "agenciaChequeRecebimento",
                                "idServico",
                                "dataChequeRecebimento",
                                "listDependenteContrato",
                                "nameClass" };
    EXPECT_EQ(json.keys().size(), members.size());
    for (const QString &member : members)
        EXPECT_TRUE(json.contains(member)) << member.toStdString();
}

} // namespace
