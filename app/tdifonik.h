#pragma once
// The main window: every control of the window description, wired to the analysis core. Each
// click handler reads its controls, calls the core, and shows the result; errors that escape a
// handler end in runGuarded.

#include <QMainWindow>

#include <memory>
#include <string>

#include "analysis/analysis.h"
#include "analysis/counters.h"

namespace Ui {
class TDifonik;
}

namespace difonik {

class Dialogs;
class SampleListModel;
class SymbolListModel;
struct PassContext;

class TDifonik : public QMainWindow, private CounterLabels {
    Q_OBJECT
public:
    explicit TDifonik(Dialogs& dialogs, QWidget* parent = nullptr);
    ~TDifonik() override;

    // The click handlers. Called directly they let errors through; clicks run them guarded.
    void dodaj_do_alfabetuClick();
    void usun_z_alfabetuClick();
    void dodaj_powiazanieClick();
    void usun_powiazanieClick();
    void button1Click();
    void button2Click();
    void Button3Click();
    void SpeedButton1Click();
    void Button4Click();
    void Openfromfile1Click();
    void Polski1Click();
    void English1Click();

    // Writes the captions of "Pl" or "En"; any other code changes nothing.
    void ustaw_jezyk(const std::string& code);

    const Analysis& analysis() const { return analysis_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setCounterCaptions(const std::string& alphabet, const std::string& connections,
                            const std::string& samples) override;

    void setUpFrame();
    qreal setUpFontAndScale();
    void fitLabels();
    void setUpGlyphs();
    void setUpLists(int rowHeight);
    void setUpMenuCaptions();
    void connectActions();
    PassContext passContext();
    QObject* control(const std::string& name);

    std::unique_ptr<Ui::TDifonik> ui_;
    Dialogs& dialogs_;
    // The lists outlive the models that observe them.
    Analysis analysis_;
    std::unique_ptr<SymbolListModel> alphabetModel_;
    std::unique_ptr<SymbolListModel> connectionModel_;
    std::unique_ptr<SampleListModel> sampleModel_;
    bool placed_ = false;
};

}  // namespace difonik
