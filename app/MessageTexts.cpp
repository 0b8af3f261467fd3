#include "app/MessageTexts.h"

#include <iterator>

namespace
{
// One row per message, in the order of UserMessage; columns in language order: English, French,
// German, Spanish, Italian, Dutch, Russian, Portuguese, Simplified Chinese, Traditional Chinese,
// Korean, Japanese. French keeps a no-break space before "?" and inside guillemets so that a line
// never starts with the punctuation.
constexpr LocalisedText messageTexts[] = {
    // noCardLoaded
    { u8"No SD card is loaded. Load an SD card.",
      u8"Aucune carte SD n’est insérée. Insérez une carte SD.",
      u8"Es ist keine SD-Karte eingelegt. Legen Sie eine SD-Karte ein.",
      u8"No se ha insertado ninguna tarjeta SD. Inserte una tarjeta SD.",
      u8"Nessuna scheda SD inserita. Inserire una scheda SD.",
      u8"Er is geen SD-kaart geplaatst. Plaats een SD-kaart.",
      u8"SD-карта не вставлена. Вставьте SD-карту.",
      u8"Não foi introduzido nenhum cartão SD. Introduza um cartão SD.",
      u8"未加载SD卡。请加载SD卡。",
      u8"未載入SD卡。請載入SD卡。",
      u8"SD 카드가 삽입되어 있지 않습니다. SD 카드를 삽입하십시오.",
      u8"SDカードがセットされていません。SDカードをセットしてください。" },

    // cardWriteProtected
    { u8"The SD card is write-protected. Cancel the write-protection.",
      u8"La carte SD est protégée en écriture. Désactivez la protection en écriture.",
      u8"Die SD-Karte ist schreibgeschützt. Heben Sie den Schreibschutz auf.",
      u8"La tarjeta SD está protegida contra escritura. Desactive la protección contra escritura.",
      u8"La scheda SD è protetta da scrittura. Disattivare la protezione da scrittura.",
      u8"De SD-kaart is beveiligd tegen schrijven. Hef de schrijfbeveiliging op.",
      u8"SD-карта защищена от записи. Снимите защиту от записи.",
      u8"O cartão SD está protegido contra escrita. Desative a proteção contra escrita.",
      u8"SD卡处于写保护状态。请解除写保护。",
      u8"SD卡處於防寫狀態。請解除防寫保護。",
      u8"SD 카드가 쓰기 금지 상태입니다. 쓰기 금지를 해제하십시오.",
      u8"SDカードが書き込み禁止になっています。書き込み禁止を解除してください。" },

    // cardFull
    { u8"There is no free space on the SD card. Either free some space or load a different SD card.",
      u8"Il n’y a pas d’espace libre sur la carte SD. Libérez de l’espace ou insérez une autre carte SD.",
      u8"Auf der SD-Karte ist kein freier Speicherplatz vorhanden. Geben Sie Speicherplatz frei oder legen Sie eine andere SD-Karte ein.",
      u8"No hay espacio libre en la tarjeta SD. Libere espacio o inserte otra tarjeta SD.",
      u8"Non c’è spazio libero sulla scheda SD. Liberare spazio o inserire un’altra scheda SD.",
      u8"Er is geen vrije ruimte op de SD-kaart. Maak ruimte vrij of plaats een andere SD-kaart.",
      u8"На SD-карте нет свободного места. Освободите место или вставьте другую SD-карту.",
      u8"Não existe espaço livre no cartão SD. Liberte espaço ou introduza um cartão SD diferente.",
      u8"SD卡上无可用空间。释放一些空间或加载不同的SD卡。",
      u8"SD卡上無可用空間。釋放一些空間或載入不同的SD卡。",
      u8"SD 카드에 여유 공간이 없습니다. 공간을 확보하거나 다른 SD 카드를 삽입하십시오.",
      u8"SDカードに空き容量がありません。空き容量を確保するか、別のSDカードをセットしてください。" },

    // rsdCorrupt
    { u8"The RSD file is corrupt. Loading has failed.",
      u8"Le fichier RSD est corrompu. Le chargement a échoué.",
      u8"Die RSD-Datei ist beschädigt. Das Laden ist fehlgeschlagen.",
      u8"El archivo RSD está dañado. La carga ha fallado.",
      u8"Il file RSD è danneggiato. Caricamento non riuscito.",
      u8"Het RSD-bestand is beschadigd. Laden is mislukt.",
      u8"Файл RSD повреждён. Загрузка не выполнена.",
      u8"O ficheiro RSD está danificado. O carregamento falhou.",
      u8"RSD文件已损坏。加载失败。",
      u8"RSD檔案已損毀。載入失敗。",
      u8"RSD 파일이 손상되었습니다. 불러오기에 실패했습니다.",
      u8"RSDファイルが破損しています。読み込みに失敗しました。" },

    // unsupportedWav
    { u8"Non-supported WAV format.",
      u8"Format WAV non pris en charge.",
      u8"Nicht unterstütztes WAV-Format.",
      u8"Formato WAV no compatible.",
      u8"Formato WAV non supportato.",
      u8"Niet-ondersteunde WAV-indeling.",
      u8"Неподдерживаемый формат WAV.",
      u8"Formato WAV não suportado.",
      u8"不支持的WAV格式。",
      u8"不支援的WAV格式。",
      u8"지원되지 않는 WAV 형식입니다.",
      u8"サポートされていないWAVフォーマットです。" },

    // selectExportData
    { u8"Select the data to be exported.",
      u8"Sélectionnez les données à exporter.",
      u8"Wählen Sie die zu exportierenden Daten aus.",
      u8"Seleccione los datos que desea exportar.",
      u8"Selezionare i dati da esportare.",
      u8"Selecteer de gegevens die u wilt exporteren.",
      u8"Выберите данные для экспорта.",
      u8"Selecione os dados a exportar.",
      u8"请选择要导出的数据。",
      u8"請選擇要匯出的資料。",
      u8"내보낼 데이터를 선택하십시오.",
      u8"エクスポートするデータを選択してください。" },

    // selectImportData
    { u8"Select the data to be imported.",
      u8"Sélectionnez les données à importer.",
      u8"Wählen Sie die zu importierenden Daten aus.",
      u8"Seleccione los datos que desea importar.",
      u8"Selezionare i dati da importare.",
      u8"Selecteer de gegevens die u wilt importeren.",
      u8"Выберите данные для импорта.",
      u8"Selecione os dados a importar.",
      u8"请选择要导入的数据。",
      u8"請選擇要匯入的資料。",
      u8"가져올 데이터를 선택하십시오.",
      u8"インポートするデータを選択してください。" },

    // confirmLoadDefaults
    { u8"The default settings will be called out. OK?",
      u8"Les réglages par défaut vont être rappelés. OK\u00A0?",
      u8"Die Standardeinstellungen werden abgerufen. OK?",
      u8"Se cargarán los ajustes predeterminados. ¿De acuerdo?",
      u8"Verranno richiamate le impostazioni predefinite. OK?",
      u8"De standaardinstellingen worden opgeroepen. OK?",
      u8"Будут загружены настройки по умолчанию. Продолжить?",
      u8"As predefinições vão ser carregadas. OK?",
      u8"将加载默认设置。是否确定？",
      u8"將載入預設設定。是否確定？",
      u8"기본 설정을 불러옵니다. 계속하시겠습니까?",
      u8"初期設定を呼び出します。よろしいですか？" },

    // confirmQuitUnsaved
    { u8"The current customized data has not been saved. Quit anyway?",
      u8"Les données personnalisées actuelles n’ont pas été enregistrées. Quitter quand même\u00A0?",
      u8"Die aktuellen benutzerdefinierten Daten wurden nicht gespeichert. Trotzdem beenden?",
      u8"Los datos personalizados actuales no se han guardado. ¿Salir de todos modos?",
      u8"I dati personalizzati correnti non sono stati salvati. Uscire comunque?",
      u8"De huidige aangepaste gegevens zijn niet opgeslagen. Toch afsluiten?",
      u8"Текущие пользовательские данные не сохранены. Всё равно выйти?",
      u8"Os dados personalizados atuais não foram guardados. Sair mesmo assim?",
      u8"当前的自定义数据尚未保存。仍要退出吗？",
      u8"目前的自訂資料尚未儲存。仍要結束嗎？",
      u8"현재 사용자 지정 데이터가 저장되지 않았습니다. 그래도 종료하시겠습니까?",
      u8"現在のカスタマイズデータは保存されていません。終了してもよろしいですか？" },

    // someSamplesFailed
    { u8"Some sampled data has failed to load.",
      u8"Le chargement de certaines données échantillonnées a échoué.",
      u8"Einige Sample-Daten konnten nicht geladen werden.",
      u8"No se han podido cargar algunos datos muestreados.",
      u8"Non è stato possibile caricare alcuni dati campionati.",
      u8"Sommige gesamplede gegevens konden niet worden geladen.",
      u8"Не удалось загрузить часть данных сэмплов.",
      u8"Não foi possível carregar alguns dos dados amostrados.",
      u8"部分采样数据加载失败。",
      u8"部分取樣資料載入失敗。",
      u8"일부 샘플 데이터를 불러오지 못했습니다.",
      u8"一部のサンプリングデータの読み込みに失敗しました。" },

    // bankOver16Seconds
    { u8"There is a “BANK” for which the total sampled data time exceeds 16 seconds. The data exceeding 16 seconds will be cut off.",
      u8"Il existe une «\u00A0BANK\u00A0» dont la durée totale des données échantillonnées dépasse 16 secondes. Les données au-delà de 16 secondes seront coupées.",
      u8"Es gibt eine „BANK“, deren Sample-Daten insgesamt länger als 16 Sekunden sind. Die Daten über 16 Sekunden hinaus werden abgeschnitten.",
      u8"Hay un «BANK» cuyo tiempo total de datos muestreados supera los 16 segundos. Los datos que superen los 16 segundos se cortarán.",
      u8"Esiste un «BANK» in cui la durata totale dei dati campionati supera i 16 secondi. I dati oltre i 16 secondi verranno tagliati.",
      u8"Er is een “BANK” waarvan de totale duur van de gesamplede gegevens meer dan 16 seconden bedraagt. De gegevens na 16 seconden worden afgekapt.",
      u8"Имеется «BANK», в котором общая длительность сэмплированных данных превышает 16 секунд. Данные сверх 16 секунд будут обрезаны.",
      u8"Existe um «BANK» em que a duração total dos dados amostrados excede 16 segundos. Os dados que excedam 16 segundos serão cortados.",
      u8"存在采样数据总时长超过16秒的“BANK”。超出16秒的数据将被截断。",
      u8"存在取樣資料總長度超過16秒的「BANK」。超出16秒的資料將被截斷。",
      u8"샘플 데이터의 총 시간이 16초를 초과하는 “BANK”가 있습니다. 16초를 초과하는 데이터는 잘립니다.",
      u8"サンプリングデータの合計時間が16秒を超える「BANK」があります。16秒を超えたデータはカットされます。" },

    // selectorAtDefault
    { u8"The QZT-7200’s SETTING selector switch is set to “DEFAULT”. To check the effect parameters on the QZT-7200, switch the SETTING selector switch to “USER”.",
      u8"Le sélecteur SETTING du QZT-7200 est réglé sur «\u00A0DEFAULT\u00A0». Pour vérifier les paramètres d’effet sur le QZT-7200, placez le sélecteur SETTING sur «\u00A0USER\u00A0».",
      u8"Der SETTING-Wahlschalter des QZT-7200 steht auf „DEFAULT“. Um die Effektparameter am QZT-7200 zu prüfen, stellen Sie den SETTING-Wahlschalter auf „USER“.",
      u8"El selector SETTING del QZT-7200 está ajustado en «DEFAULT». Para comprobar los parámetros de efectos en el QZT-7200, cambie el selector SETTING a «USER».",
      u8"Il selettore SETTING del QZT-7200 è impostato su «DEFAULT». Per verificare i parametri degli effetti sul QZT-7200, portare il selettore SETTING su «USER».",
      u8"De SETTING-keuzeschakelaar van de QZT-7200 staat op “DEFAULT”. Zet de SETTING-keuzeschakelaar op “USER” om de effectparameters op de QZT-7200 te controleren.",
      u8"Переключатель SETTING на QZT-7200 установлен в положение «DEFAULT». Чтобы проверить параметры эффектов на QZT-7200, переведите переключатель SETTING в положение «USER».",
      u8"O seletor SETTING do QZT-7200 está na posição «DEFAULT». Para verificar os parâmetros dos efeitos no QZT-7200, coloque o seletor SETTING na posição «USER».",
      u8"QZT-7200的SETTING选择开关被设置为“DEFAULT”。要在QZT-7200上确认效果参数，请将SETTING选择开关切换到“USER”。",
      u8"QZT-7200的SETTING選擇開關設定為「DEFAULT」。若要在QZT-7200上確認效果參數，請將SETTING選擇開關切換至「USER」。",
      u8"QZT-7200의 SETTING 선택 스위치가 “DEFAULT”로 설정되어 있습니다. QZT-7200에서 이펙트 파라미터를 확인하려면 SETTING 선택 스위치를 “USER”로 전환하십시오.",
      u8"QZT-7200のSETTINGセレクタースイッチが「DEFAULT」に設定されています。QZT-7200でエフェクトパラメーターを確認するには、SETTINGセレクタースイッチを「USER」に切り替えてください。" },

    // rsdIncorrect
    { u8"The settings cannot be reflected because the RSD file is incorrect.",
      u8"Les réglages ne peuvent pas être appliqués car le fichier RSD est incorrect.",
      u8"Die Einstellungen können nicht übernommen werden, da die RSD-Datei fehlerhaft ist.",
      u8"No se pueden aplicar los ajustes porque el archivo RSD no es correcto.",
      u8"Impossibile applicare le impostazioni perché il file RSD non è corretto.",
      u8"De instellingen kunnen niet worden toegepast omdat het RSD-bestand onjuist is.",
      u8"Невозможно применить настройки, так как файл RSD некорректен.",
      u8"Não é possível aplicar as definições porque o ficheiro RSD está incorreto.",
      u8"由于RSD文件不正确，无法应用设置。",
      u8"由於RSD檔案不正確，無法套用設定。",
      u8"RSD 파일이 올바르지 않아 설정을 반영할 수 없습니다.",
      u8"RSDファイルが正しくないため、設定を反映できません。" },

    // rsdVersionDiffers
    { u8"The RSD file’s version is different, so only compatible parameters will be reflected.",
      u8"La version du fichier RSD est différente, seuls les paramètres compatibles seront donc appliqués.",
      u8"Die RSD-Datei hat eine andere Version, daher werden nur kompatible Parameter übernommen.",
      u8"La versión del archivo RSD es diferente, por lo que solo se aplicarán los parámetros compatibles.",
      u8"La versione del file RSD è diversa, pertanto verranno applicati solo i parametri compatibili.",
      u8"De versie van het RSD-bestand is anders, dus worden alleen compatibele parameters toegepast.",
      u8"Версия файла RSD отличается, поэтому будут применены только совместимые параметры.",
      u8"A versão do ficheiro RSD é diferente, pelo que apenas os parâmetros compatíveis serão aplicados.",
      u8"RSD文件的版本不同，因此只会应用兼容的参数。",
      u8"RSD檔案的版本不同，因此只會套用相容的參數。",
      u8"RSD 파일의 버전이 다르므로 호환되는 파라미터만 반영됩니다.",
      u8"RSDファイルのバージョンが異なるため、互換性のあるパラメーターのみ反映されます。" },

    // portInUse
    { u8"The QZT-7200 is already being used with a different application. Data cannot be transferred until the MIDI device is released.",
      u8"Le QZT-7200 est déjà utilisé par une autre application. Aucune donnée ne peut être transférée tant que le périphérique MIDI n’est pas libéré.",
      u8"Der QZT-7200 wird bereits von einer anderen Anwendung verwendet. Daten können erst übertragen werden, wenn das MIDI-Gerät freigegeben ist.",
      u8"El QZT-7200 ya está siendo utilizado por otra aplicación. No se pueden transferir datos hasta que se libere el dispositivo MIDI.",
      u8"Il QZT-7200 è già utilizzato da un’altra applicazione. Non è possibile trasferire dati finché il dispositivo MIDI non viene rilasciato.",
      u8"De QZT-7200 wordt al door een andere toepassing gebruikt. Er kunnen geen gegevens worden overgedragen totdat het MIDI-apparaat is vrijgegeven.",
      u8"QZT-7200 уже используется другим приложением. Передача данных невозможна, пока MIDI-устройство не будет освобождено.",
      u8"O QZT-7200 já está a ser utilizado por outra aplicação. Não é possível transferir dados até que o dispositivo MIDI seja libertado.",
      u8"QZT-7200已被其他应用程序使用。在MIDI设备被释放之前无法传输数据。",
      u8"QZT-7200已被其他應用程式使用。在MIDI裝置被釋放之前無法傳輸資料。",
      u8"QZT-7200이 이미 다른 애플리케이션에서 사용 중입니다. MIDI 장치가 해제될 때까지 데이터를 전송할 수 없습니다.",
      u8"QZT-7200は既に別のアプリケーションで使用されています。MIDIデバイスが解放されるまでデータを転送できません。" },

    // version: product names and a version label read the same in every language
    LocalisedText::sameInEveryLanguage (u8"tessalin : Ver %s\n\nQZT-7200 : Ver %s"),

    // noExportedData: the English keeps its two blanks after "There"
    { u8"There  is no exported data on the specified drive.",
      u8"Aucune donnée exportée n’est présente sur le lecteur spécifié.",
      u8"Auf dem angegebenen Laufwerk befinden sich keine exportierten Daten.",
      u8"No hay datos exportados en la unidad especificada.",
      u8"Nell’unità specificata non sono presenti dati esportati.",
      u8"Er staan geen geëxporteerde gegevens op het opgegeven station.",
      u8"На указанном диске нет экспортированных данных.",
      u8"Não existem dados exportados na unidade especificada.",
      u8"指定的驱动器上没有导出的数据。",
      u8"指定的磁碟機上沒有匯出的資料。",
      u8"지정한 드라이브에 내보낸 데이터가 없습니다.",
      u8"指定したドライブにエクスポートされたデータがありません。" },

    // importingCompleted
    { u8"Importing completed.",
      u8"Importation terminée.",
      u8"Importvorgang ist fertig.",
      u8"Importación completada.",
      u8"Importazione completata.",
      u8"Importeren voltooid.",
      u8"Импорт завершён.",
      u8"Importação concluída.",
      u8"导入完成。",
      u8"匯入完成。",
      u8"가져오기가 완료되었습니다.",
      u8"インポートが完了しました。" },

    // exportingCompleted
    { u8"Exporting completed.",
      u8"Exportation terminée.",
      u8"Exportvorgang ist fertig.",
      u8"Exportación completada.",
      u8"Esportazione completata.",
      u8"Exporteren voltooid.",
      u8"Экспорт завершён.",
      u8"Exportação concluída.",
      u8"导出完成。",
      u8"匯出完成。",
      u8"내보내기가 완료되었습니다.",
      u8"エクスポートが完了しました。" },

    // loadingCompleted
    { u8"Loading completed.",
      u8"Chargement terminé.",
      u8"Ladevorgang ist fertig.",
      u8"Carga completada.",
      u8"Caricamento completato.",
      u8"Laden voltooid.",
      u8"Загрузка завершена.",
      u8"Carregamento concluído.",
      u8"加载完成。",
      u8"載入完成。",
      u8"불러오기가 완료되었습니다.",
      u8"読み込みが完了しました。" },

    // savingCompleted
    { u8"Saving completed.",
      u8"Enregistrement terminé.",
      u8"Speichervorgang ist fertig.",
      u8"Guardado completado.",
      u8"Salvataggio completato.",
      u8"Opslaan voltooid.",
      u8"Сохранение завершено.",
      u8"Gravação concluída.",
      u8"保存完成。",
      u8"儲存完成。",
      u8"저장이 완료되었습니다.",
      u8"保存が完了しました。" },

    // updateSettingCompleted
    { u8"Update Setting completed.",
      u8"Mise à jour des réglages terminée.",
      u8"Aktualisierung der Einstellungen ist fertig.",
      u8"Actualización de ajustes completada.",
      u8"Aggiornamento delle impostazioni completato.",
      u8"Instellingen bijwerken voltooid.",
      u8"Обновление настроек завершено.",
      u8"Atualização das definições concluída.",
      u8"设置更新完成。",
      u8"設定更新完成。",
      u8"설정 업데이트가 완료되었습니다.",
      u8"設定の更新が完了しました。" },

    // updateSettingFailed
    { u8"Update Setting failed.",
      u8"Échec de la mise à jour des réglages.",
      u8"Aktualisierung der Einstellungen ist fehlgeschlagen.",
      u8"La actualización de ajustes ha fallado.",
      u8"Aggiornamento delle impostazioni non riuscito.",
      u8"Instellingen bijwerken mislukt.",
      u8"Не удалось обновить настройки.",
      u8"Falha na atualização das definições.",
      u8"设置更新失败。",
      u8"設定更新失敗。",
      u8"설정 업데이트에 실패했습니다.",
      u8"設定の更新に失敗しました。" },

    // savingFailed
    { u8"Saving has failed.",
      u8"L’enregistrement a échoué.",
      u8"Das Speichern ist fehlgeschlagen.",
      u8"No se ha podido guardar.",
      u8"Salvataggio non riuscito.",
      u8"Opslaan is mislukt.",
      u8"Не удалось сохранить.",
      u8"Não foi possível guardar.",
      u8"保存失败。",
      u8"儲存失敗。",
      u8"저장에 실패했습니다.",
      u8"保存に失敗しました。" },

    // confirmReplaceFile: asked once the saved name has its ".RSD", whenever that file exists
    { u8"A file named “%s” already exists. Replace it?",
      u8"Un fichier nommé «\u00A0%s\u00A0» existe déjà. Le remplacer\u00A0?",
      u8"Eine Datei mit dem Namen „%s“ ist bereits vorhanden. Soll sie ersetzt werden?",
      u8"Ya existe un archivo llamado «%s». ¿Desea reemplazarlo?",
      u8"Esiste già un file denominato «%s». Sostituirlo?",
      u8"Er bestaat al een bestand met de naam “%s”. Wilt u het vervangen?",
      u8"Файл с именем «%s» уже существует. Заменить его?",
      u8"Já existe um ficheiro com o nome «%s». Pretende substituí-lo?",
      u8"名为“%s”的文件已存在。是否替换？",
      u8"名為「%s」的檔案已存在。是否取代？",
      u8"이름이 “%s”인 파일이 이미 있습니다. 바꾸시겠습니까?",
      u8"「%s」という名前のファイルが既に存在します。置き換えますか？" },

    // samplePathTooLong: a sample whose path a slot could only keep cut, refused before anything reads it
    { u8"The file path is longer than 1,023 characters. Move the file to a folder with a shorter path.",
      u8"Le chemin du fichier dépasse 1\u00A0023\u00A0caractères. Déplacez le fichier dans un dossier au chemin plus court.",
      u8"Der Dateipfad ist länger als 1.023 Zeichen. Verschieben Sie die Datei in einen Ordner mit kürzerem Pfad.",
      u8"La ruta del archivo supera los 1023 caracteres. Mueva el archivo a una carpeta con una ruta más corta.",
      u8"Il percorso del file supera i 1023 caratteri. Spostare il file in una cartella con un percorso più breve.",
      u8"Het bestandspad is langer dan 1023 tekens. Verplaats het bestand naar een map met een korter pad.",
      u8"Путь к файлу длиннее 1023 символов. Переместите файл в папку с более коротким путём.",
      u8"O caminho do ficheiro tem mais de 1023 caracteres. Mova o ficheiro para uma pasta com um caminho mais curto.",
      u8"文件路径超过1023个字符。请将文件移到路径较短的文件夹中。",
      u8"檔案路徑超過1023個字元。請將檔案移到路徑較短的資料夾中。",
      u8"파일 경로가 1023자를 넘습니다. 경로가 더 짧은 폴더로 파일을 옮기십시오.",
      u8"ファイルのパスが1023文字を超えています。パスの短いフォルダーにファイルを移動してください。" },

    // noAudioOutput
    { u8"No audio output device is available. The sample cannot be played.",
      u8"Aucun périphérique de sortie audio n’est disponible. L’échantillon ne peut pas être lu.",
      u8"Es ist kein Audio-Ausgabegerät verfügbar. Das Sample kann nicht wiedergegeben werden.",
      u8"No hay ningún dispositivo de salida de audio disponible. No se puede reproducir la muestra.",
      u8"Nessun dispositivo di uscita audio disponibile. Impossibile riprodurre il campione.",
      u8"Er is geen audio-uitvoerapparaat beschikbaar. Het sample kan niet worden afgespeeld.",
      u8"Нет доступного устройства вывода звука. Невозможно воспроизвести сэмпл.",
      u8"Não está disponível nenhum dispositivo de saída de áudio. Não é possível reproduzir a amostra.",
      u8"没有可用的音频输出设备。无法播放采样。",
      u8"沒有可用的音訊輸出裝置。無法播放取樣。",
      u8"사용 가능한 오디오 출력 장치가 없습니다. 샘플을 재생할 수 없습니다.",
      u8"使用できるオーディオ出力デバイスがありません。サンプルを再生できません。" },
};

static_assert (std::size (messageTexts) == (size_t) UserMessage::numMessages,
               "every message the core names needs one row of texts");
} // namespace

const LocalisedText& messageText (UserMessage message) noexcept
{
    return localisedTableEntry (messageTexts, (size_t) message);
}

juce::String fillPlaceholders (const juce::String& pattern, const juce::StringArray& replacements)
{
    static constexpr const char* placeholder = "%s";
    static constexpr int placeholderLength = 2;

    juce::String result;
    int copiedUpTo = 0;

    for (const auto& replacement : replacements)
    {
        const auto found = pattern.indexOf (copiedUpTo, placeholder);

        if (found < 0)
            break;

        result << pattern.substring (copiedUpTo, found) << replacement;
        copiedUpTo = found + placeholderLength;
    }

    return result + pattern.substring (copiedUpTo);
}

juce::String versionMessage (UiLanguage language, const juce::String& programVersion, const juce::String& unitVersion)
{
    return fillPlaceholders (messageText (UserMessage::version)[language], { programVersion, unitVersion });
}
