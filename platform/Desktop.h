#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <memory>

class QPrinter;
class QWidget;

// Everything a person answers or sees outside the program's own windows goes through one of the
// services below: the real Qt or desktop implementation by default, a scripted one in tests
// (Install gives back the one it replaces; Install(nullptr) puts the real one back). Main thread
// only.
template<class T>
class TDesktopSeam
{
public:
    static T &Current()
    {
        static T real;
        return installed() ? *installed() : real;
    }
    static std::unique_ptr<T> Install(std::unique_ptr<T> replacement)
    {
        std::unique_ptr<T> previous = std::move(installed());
        installed() = std::move(replacement);
        return previous;
    }

private:
    static std::unique_ptr<T> &installed()
    {
        static std::unique_ptr<T> seam;
        return seam;
    }
};

// The file and folder dialogs. An empty result means the person cancelled.
class TFileDialogs : public TDesktopSeam<TFileDialogs>
{
public:
    virtual ~TFileDialogs();
    virtual QString OpenFileName(QWidget *parent,
                                 const QString &caption,
                                 const QString &folder,
                                 const QString &filter);
    virtual QString SaveFileName(QWidget *parent,
                                 const QString &caption,
                                 const QString &fileName,
                                 const QString &filter);
    virtual QString FolderName(QWidget *parent, const QString &caption, const QString &folder);
};

// The print dialog: true when the person chose a printer and confirmed.
class TPrintDialogs : public TDesktopSeam<TPrintDialogs>
{
public:
    virtual ~TPrintDialogs();
    virtual bool Execute(QPrinter &printer, QWidget *parent);
};

// Opening a file or a link with the program the desktop associates with it; false when the
// desktop refused.
class TDesktopServices : public TDesktopSeam<TDesktopServices>
{
public:
    virtual ~TDesktopServices();
    virtual bool OpenUrl(const QUrl &url);
};

// Printing on the machine's default printer through CUPS ("lp"): a whole file in its own
// format, or bytes sent raw, untouched by any driver (the text reports for dot-matrix printers).
// Failures raise Exception with the printing system's message.
class TPrinting : public TDesktopSeam<TPrinting>
{
public:
    virtual ~TPrinting();
    virtual void PrintFile(const QString &fileName);
    virtual void PrintRaw(const QByteArray &bytes);
};

// The text on the clipboard.
class TClipboard : public TDesktopSeam<TClipboard>
{
public:
    virtual ~TClipboard();
    virtual void SetText(const QString &text);
    virtual QString Text();
};
