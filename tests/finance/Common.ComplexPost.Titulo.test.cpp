#include "Common.ComplexPost.Titulo.h"

#include <QJsonDocument>
#include <QJsonObject>

#include "support/TestTexts.h"

#include <gtest/gtest.h>

namespace {

const QString kTituloEmptyLists = QStringLiteral(
    R"({"gerarBoletos":false,"empresaTitulos":{"listHelper":[]},)"
    R"("removeEmpresaTitulos":{"listHelper":[]},"parcelaTitulos":{"listHelper":[]},)"
    R"("removeParcelaTitulos":{"listHelper":[]},"planoContasTitulos":{"listHelper":[]},)"
    R"("removePlanoContasTitulos":{"listHelper":[]},"idPessoa":0,)");

void fillTitulo(TTituloComplexPost &ATitulo)
{
    ATitulo.Id = 12;
    ATitulo.Descricao = QStringLiteral("MENSALIDADE");
    ATitulo.GerarBoletos = true;
    auto parcela = std::make_unique<TParcelaTituloEntity>();
    parcela->Parcela = 1;
    parcela->Valor = 50.25;
    ATitulo.ParcelaTitulos->push_back(std::move(parcela));
    ATitulo.EmpresaTitulos->push_back(std::make_unique<TEmpresaTituloEntity>());
    ATitulo.PlanoContasTitulos->push_back(std::make_unique<TPlanoContasTituloEntity>());
    ATitulo.RemoveEmpresaTitulos->push_back(3);
    ATitulo.RemoveParcelaTitulos->push_back(4);
    ATitulo.RemovePlanoContasTitulos->push_back(5);
}

TEST(TituloComplexPostTest, FreshBodyWritesNoBoletosAndSixEmptyLists)
{
    const TTituloComplexPost titulo;
    const QString json = titulo.AsJson();
    EXPECT_TRUE(json.startsWith(kTituloEmptyLists)) << json.toStdString();
    EXPECT_TRUE(json.endsWith(QStringLiteral(R"("nameClass":"TTituloComplexPost"})")))
        << json.toStdString();
}

// Clearing frees the children (the sanitizer build reports a leak otherwise) and leaves the
// lists in place, also when a reply had left one null; a second clear changes nothing.
TEST(TituloComplexPostTest, ClearingEmptiesTheListsAndMayBeRepeated)
{
    TTituloComplexPost titulo;
    fillTitulo(titulo);
    const QJsonObject filled = QJsonDocument::fromJson(titulo.AsJson().toUtf8()).object();
    EXPECT_EQ(listOf(filled, "parcelaTitulos").size(), 1);
    EXPECT_EQ(listOf(filled, "removePlanoContasTitulos").size(), 1);
    titulo.ParcelaTitulos.reset();

    titulo.Clear();
    const QString once = titulo.AsJson();
    titulo.Clear();

    EXPECT_TRUE(once.startsWith(kTituloEmptyLists)) << once.toStdString();
    EXPECT_EQ(titulo.AsJson(), once);
    EXPECT_EQ(titulo.Id, 0);
    EXPECT_TRUE(titulo.Descricao.isEmpty());
}

} // namespace
