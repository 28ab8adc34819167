#include "cli/OnlineCheck.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace ulvanta {

namespace {

constexpr int kAtATime = 4;

// The texts are marked where they stand, so that translators find them.
QString tr(const char* text) {
    return QCoreApplication::translate("PageCheck", text);
}

class AddressAsker {
public:
    AddressAsker(const std::vector<PageAddress>& addresses, int timeoutMs)
        : m_addresses(addresses), m_timeout(timeoutMs), m_answers(addresses.size()) {}

    std::vector<PageProblem> run() {
        for (int i = 0; i < kAtATime; ++i)
            next();
        if (m_running > 0)
            m_loop.exec();
        std::vector<PageProblem> problems;
        for (size_t i = 0; i < m_addresses.size(); ++i)
            if (!m_answers[i].isEmpty())
                problems.push_back(
                    {m_addresses[i].row, std::nullopt, m_addresses[i].column, m_answers[i]});
        return problems;
    }

private:
    void next() {
        if (m_next >= m_addresses.size())
            return;
        ++m_running;
        ask(m_next++, false);
    }

    void ask(size_t i, bool get) {
        QNetworkRequest request(QUrl(m_addresses[i].url));
        request.setTransferTimeout(m_timeout);
        QNetworkReply* reply = get ? m_net.get(request) : m_net.head(request);
        // The status is all a GET is for: the body is not fetched.
        if (get)
            QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply] {
                if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
                    reply->setProperty("status",
                                       reply->attribute(QNetworkRequest::HttpStatusCodeAttribute));
                reply->abort();
            });
        QObject::connect(reply, &QNetworkReply::finished, reply,
                         [this, i, get, reply] { answered(i, get, reply); });
    }

    void answered(size_t i, bool get, QNetworkReply* reply) {
        reply->deleteLater();
        QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (!status.isValid())
            status = reply->property("status");
        const int code = status.isValid() ? status.toInt() : 0;
        if (!get && (code == 405 || code == 501)) {
            ask(i, true);
            return;
        }
        const QString& url = m_addresses[i].url;
        if (code >= 400) {
            const QString reason =
                reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
            m_answers[i] = tr(QT_TRANSLATE_NOOP("PageCheck", "address answers %1 %2: %3"))
                               .arg(code)
                               .arg(reason, url)
                               .simplified();
        } else if (code == 0 && reply->error() == QNetworkReply::OperationCanceledError) {
            m_answers[i] =
                tr(QT_TRANSLATE_NOOP("PageCheck", "address does not answer within %1 s: %2"))
                    .arg(double(m_timeout) / 1000.0)
                    .arg(url);
        } else if (code == 0) {
            m_answers[i] = tr(QT_TRANSLATE_NOOP("PageCheck", "address does not answer: %1 (%2)"))
                               .arg(url, reply->errorString());
        }
        --m_running;
        next();
        if (m_running == 0)
            m_loop.quit();
    }

    const std::vector<PageAddress>& m_addresses;
    const int m_timeout;
    std::vector<QString> m_answers;
    QNetworkAccessManager m_net;
    QEventLoop m_loop;
    size_t m_next = 0;
    int m_running = 0;
};

} // namespace

std::vector<PageProblem> checkWebAddresses(const std::vector<PageAddress>& addresses,
                                           int timeoutMs) {
    return AddressAsker(addresses, timeoutMs).run();
}

} // namespace ulvanta
