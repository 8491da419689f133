#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace lumari {

// The chosen pair's recorded word: Record, Stop, Play, Delete, and what is
// going on (the seconds recorded, of the most kept).
class WordBar : public QWidget {
    Q_OBJECT
public:
    enum class State { Idle, Recording, Playing };

    explicit WordBar(QWidget* parent = nullptr);

    // pair: the chosen pair's name, "" when none. recorded: it has a
    // recording. While recording, pair is the pair being recorded.
    void Show(const QString& pair, bool recorded, State state, int elapsedMs = 0);

signals:
    void record();
    void stop();
    void play();
    void remove();

private:
    QLabel* state_;
    QPushButton* record_;
    QPushButton* stop_;
    QPushButton* play_;
    QPushButton* remove_;
};

}  // namespace lumari
