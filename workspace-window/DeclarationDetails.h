#pragma once
// The details of the declaration in hand: lease periods and rents, the lease terms with
// their tick marks, the lessees, and one property at a time with paging.

#include <QColor>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TickPicture;

class DeclarationDetails : public QWidget {
    Q_OBJECT
public:
    explicit DeclarationDetails(QWidget* parent = nullptr);

    // Run after the declaration in hand, the current amending declaration or the
    // current property changed (and once for the first row shown).
    void declarationChanged();
    void amendmentChanged();
    void propertyChanged();
    // ">>" and "<<".
    void nextProperty();
    void priorProperty();

    // The colour of the current amending declaration: red for a termination, orange
    // for another kind, the button face when there is none.
    static QColor amendmentColour(const QString& kind, const QPalette& palette);
    QColor currentAmendmentColour() const { return m_amendmentColour; }

    QLabel* lbApoArx;
    QLabel* lbEosArx;
    QLabel* lbApoTrop;
    QLabel* lbEosTrop;
    QLabel* lbMistomaArx;
    QLabel* lbMistomaTrop;
    QToolButton* btExelixi;
    QLabel* lbSimfonitikoDate;
    QLabel* lbEidosTarvenis;
    QList<TickPicture*> imgDilChecks; // DilCheck1 … DilCheck5
    QList<QLabel*> lbMistAFM;         // lessees 1 … 5
    QList<QLabel*> lbMistName;
    QToolButton* btLoad;
    QGroupBox* gbAkinito;
    QLineEdit* edDescr;
    QPushButton* btPriorProperty; // "<<"
    QPushButton* btNextProperty;  // ">>"

Q_SIGNALS:
    void amendmentColourChanged(const QColor& colour);

private:
    // The caption "( position / count )" and the strips "<<" and ">>" of the current
    // property: "<<" unless it is the first, ">>" unless it is the last.
    void showPropertyPosition();
    QHash<QString, QLabel*> m_propertyFields;
    QColor m_amendmentColour;
};
