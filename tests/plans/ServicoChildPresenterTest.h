#pragma once

#include "App.Base.Presenter.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "Edit.h"
#include "SysUtils.h"

#include "support/FakeConnection.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

// A child presenter of the service window with its rows read from the fake back end and one
// lookup edit bound, whose lookup is never run: a test sets what a lookup leaves (the record's
// id, its text and the other information).
template<class P>
class ServicoChildPresenterTest : public ::testing::Test
{
protected:
    // Reads the rows of the service and binds the lookup edit.
    void prepare(std::int64_t AIdServico,
                 const char *APath,
                 const char *ARows,
                 const QString &AEdit,
                 const QString &ATitle,
                 const QString &ALookup)
    {
        backend.on("GET", APath, FakeReply::json(ARows));
        presenter->IdPrincipal = AIdServico;
        presenter->findByFilterToDataSet();
        edit = new TEdit(&host, AEdit);
        item = &presenter->ManagerControls().Bind(edit, ATitle).Required().Lookup(ALookup).Item();
    }
    void choose(std::int64_t AId, const QString &AText, const QString &AOtherInfo)
    {
        // The text first: typing into a lookup edit forgets its record.
        edit->setText(AText);
        item->Id = AId;
        item->OtherInfo = AOtherInfo;
    }
    // The validation's message, empty when it passed.
    QString validationFailure()
    {
        try {
            presenter->ValidControls();
        } catch (const Exception &failure) {
            return failure.Message().trimmed();
        }
        return {};
    }

    FakeBackend backend;
    FakeConnection fake { backend };
    std::unique_ptr<P> presenter = TBasePresenter::Create<P>();
    QWidget host;
    TEdit *edit = nullptr;
    TItemControl *item = nullptr;
};
