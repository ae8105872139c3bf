#pragma once
// The record window's pictures, drawn with QPainter: a bar chart with an
// optional percentage line, a calendar of the year and the trainer's
// keyboard shaded by error rate. Each shows the value under the mouse and can
// be saved as a PNG (savePng).
#include <QColor>
#include <QDate>
#include <QString>
#include <QWidget>

#include <map>
#include <vector>

namespace lumo {

struct ChartPoint {
    QString label;         // under the bar (every few bars shown when crowded)
    QString detail;        // shown when the mouse is over the bar
    double value = 0;      // the bar, on the left axis, up from 0 or down below it
    double share = -1;     // 0..1 on the right axis (drawn as a line); < 0: none
    bool markZero = false; // a value of 0 is drawn as a thin bar, so the point is seen
};

class BarChart : public QWidget {
    Q_OBJECT
  public:
    explicit BarChart(const QString& title, const QString& valueAxis, QWidget* parent = nullptr);
    void setPoints(std::vector<ChartPoint> points, const QString& shareAxis = QString());
    const std::vector<ChartPoint>& points() const { return m_points; }
    // The point under the mouse, -1 for none.
    int hovered() const { return m_hovered; }
    QSize sizeHint() const override { return {560, 220}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QRect plotArea() const;
    int pointAt(QPoint position) const;

    QString m_title, m_valueAxis, m_shareAxis;
    std::vector<ChartPoint> m_points;
    int m_hovered = -1;
};

// The last 365 days as a calendar, a column a week, shaded by answers.
class CalendarChart : public QWidget {
    Q_OBJECT
  public:
    struct Day {
        QDate date;
        int answers = 0;
    };
    explicit CalendarChart(QWidget* parent = nullptr);
    void setDays(std::vector<Day> days);
    int hovered() const { return m_hovered; }
    QSize sizeHint() const override { return {560, 150}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QRect cellOf(int index) const;
    std::vector<Day> m_days;
    int m_maxAnswers = 0;
    int m_hovered = -1;
};

// The trainer's 40 keys, each shaded from white (never missed) to red.
class KeyboardChart : public QWidget {
    Q_OBJECT
  public:
    struct Key {
        int presses = 0;
        int errors = 0;
        QChar instead; // pressed instead most often
    };
    explicit KeyboardChart(QWidget* parent = nullptr);
    void setKeys(std::map<QChar, Key> keys);
    int hovered() const { return m_hovered; }
    QSize sizeHint() const override { return {560, 230}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QRectF keyRect(int index) const; // index 1..40
    std::map<QChar, Key> m_keys;
    int m_hovered = 0;
};

// Renders a chart into a PNG file; false when it could not be written.
bool savePng(QWidget* chart, const QString& path);

} // namespace lumo
