// The shipped translations are complete: every text the editor shows
// (its windows and the core library's messages) has a finished German and
// Japanese translation, with the same placeholders and line breaks, and the
// shipped files hold exactly the texts the sources hold today.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace {

struct TMessage {
    QString context;
    QString source;
    QStringList translations; // one, or one per plural form
    QString type;             // "unfinished", "vanished", "obsolete" or empty
};

QList<TMessage> ReadTs(const QString &path, QString *error)
{
    QList<TMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TMessage message;
    bool plural = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            messages.append(message);
            continue;
        }
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = TMessage{context, {}, {}, {}};
            plural = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!plural)
                message.translations = {xml.readElementText()};
        } else if (xml.name() == QLatin1String("numerusform")) {
            message.translations.append(xml.readElementText());
        }
    }
    if (xml.hasError())
        *error = path + QStringLiteral(": ") + xml.errorString();
    return messages;
}

QStringList Placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(n|\\d)"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.sort();
    found.removeDuplicates();
    return found;
}

bool HasAccelerator(const QString &text)
{
    return QString(text).remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

QSet<QString> Keys(const QList<TMessage> &messages)
{
    QSet<QString> keys;
    for (const TMessage &m : messages)
        keys.insert(m.context + QStringLiteral(" | ") + m.source);
    return keys;
}

const QStringList kShipped = QString::fromUtf8(VXL_TS_FILES).split(QLatin1Char('|'));

} // namespace

TEST(Translations, EveryShippedTextIsTranslatedWithItsPlaceholdersAndAccelerators)
{
    ASSERT_EQ(kShipped.size(), 2);
    for (const QString &path : kShipped) {
        SCOPED_TRACE(path.toStdString());
        QString error;
        const QList<TMessage> messages = ReadTs(path, &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        ASSERT_GT(messages.size(), 300);
        for (const TMessage &m : messages) {
            const std::string where = (m.context + QStringLiteral(": ") + m.source).toStdString();
            EXPECT_TRUE(m.type.isEmpty()) << m.type.toStdString() << " " << where;
            ASSERT_FALSE(m.translations.isEmpty()) << where;
            for (const QString &text : m.translations) {
                EXPECT_FALSE(text.trimmed().isEmpty()) << "untranslated " << where;
                EXPECT_EQ(Placeholders(text), Placeholders(m.source)) << where;
                EXPECT_EQ(text.count(QLatin1Char('\n')), m.source.count(QLatin1Char('\n'))) << where;
                EXPECT_EQ(HasAccelerator(text), HasAccelerator(m.source)) << where;
            }
        }
    }
}

TEST(Translations, ShippedFilesHoldExactlyTheTextsOfTheSources)
{
    for (const QString &path : kShipped) {
        SCOPED_TRACE(path.toStdString());
        QString error;
        const QList<TMessage> shipped = ReadTs(path, &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();

        // The sources read again into a copy, as the update-translations
        // target does: a new text comes in unfinished, a vanished one goes.
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const QString copy = dir.filePath(path.section(QLatin1Char('/'), -1));
        ASSERT_TRUE(QFile::copy(path, copy));
        QProcess lupdate;
        lupdate.start(QStringLiteral(VXL_LUPDATE),
                      {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-locations"),
                       QStringLiteral("none"), QStringLiteral("-no-ui-lines"),
                       QStringLiteral("@") + QStringLiteral(VXL_SOURCE_LIST), QStringLiteral("-ts"), copy});
        ASSERT_TRUE(lupdate.waitForFinished(120000)) << "lupdate did not finish";
        ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
        const QList<TMessage> current = ReadTs(copy, &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();

        const QSet<QString> shippedKeys = Keys(shipped);
        const QSet<QString> currentKeys = Keys(current);
        for (const QString &key : currentKeys - shippedKeys)
            ADD_FAILURE() << "not in the shipped file (run the update-translations target): " << key.toStdString();
        for (const QString &key : shippedKeys - currentKeys)
            ADD_FAILURE() << "no longer in the sources: " << key.toStdString();
    }
}
